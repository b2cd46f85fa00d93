# Shared helpers of the bootstrap scripts: timed steps and privileged commands.
# Sourced, never run.

lumo_step_start() {
  LUMO_STEP_NAME=$1
  LUMO_STEP_T0=$(date +%s.%N)
  printf '==> %s\n' "$LUMO_STEP_NAME"
}

lumo_step_end() {
  local t1
  t1=$(date +%s.%N)
  awk -v n="$LUMO_STEP_NAME" -v a="$LUMO_STEP_T0" -v b="$t1" \
    'BEGIN { printf "    %s: %.1f s\n", n, b - a }'
}

# Runs a command as root: directly when we are root, through sudo otherwise.
lumo_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

lumo_die() {
  printf 'lumo: %s\n' "$*" >&2
  exit 1
}
