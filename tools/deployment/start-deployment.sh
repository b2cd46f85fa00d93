# Starting the local deployment from a script, sourced by the demo and the
# benchmarks:
#
#   lumo_start_deployment BUILD_DIR OUTPUT_FILE [lumo-deploy options...]
#
# starts it in the background with the test prefix's certificate, waits until
# it listens and sets DEPLOYMENT_PID and DEPLOYMENT_URL ("https://localhost:N").
# The caller stops it (kill "$DEPLOYMENT_PID").

lumo_start_deployment() {
  local build=$1 output=$2
  shift 2
  "$build/native/tools/deployment/lumo-deploy" --cert "$build/win64/deployment/server.pem" \
    --key "$build/win64/deployment/server.key" "$@" >"$output" 2>&1 &
  DEPLOYMENT_PID=$!
  local _
  for _ in $(seq 600); do
    grep -q listening "$output" 2>/dev/null && break
    kill -0 "$DEPLOYMENT_PID" 2>/dev/null || { cat "$output" >&2; return 1; }
    sleep 0.1
  done
  DEPLOYMENT_URL=$(sed -n 's/^listening on //p' "$output")
  [ -n "$DEPLOYMENT_URL" ]
}
