# The wine test harness, sourced by ./lumo: a private Xvfb display and one
# persistent wineserver for the test prefix of a build tree, both stopped when
# the shell that started them ends, however it ends. A run that was killed
# before it could clean up leaves a pid file; the next run stops what it names.

lumo_harness_down() {
  local dir=$LUMO_HARNESS_DIR
  [ -n "$dir" ] || return 0
  WINEPREFIX=$dir/wineprefix /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  if [ -f "$dir/harness.pids" ]; then
    xargs -r kill <"$dir/harness.pids" >/dev/null 2>&1 || true
    rm -f "$dir/harness.pids"
  fi
  LUMO_HARNESS_DIR=
}

# lumo_harness_up BUILD_DIR [--keep-display]: exports DISPLAY and WINEPREFIX
# for the tree. With --keep-display a working $DISPLAY is used as it is and
# only its absence calls for the private Xvfb.
lumo_harness_up() {
  local keep_display=${2:-}
  LUMO_HARNESS_DIR=$1
  lumo_harness_down
  LUMO_HARNESS_DIR=$1
  trap lumo_harness_down EXIT
  trap 'lumo_harness_down; exit 130' INT
  trap 'lumo_harness_down; exit 143' TERM

  export WINEPREFIX=$LUMO_HARNESS_DIR/wineprefix WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$LUMO_ROOT/tools/wine/prefix.sh" "$WINEPREFIX"

  if [ "$keep_display" = --keep-display ] && [ -n "${DISPLAY:-}" ] &&
    xdotool getdisplaygeometry >/dev/null 2>&1; then
    lumo_harness_wineserver
    return
  fi
  local display_file=$LUMO_HARNESS_DIR/xvfb.display
  rm -f "$display_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" \
    </dev/null >/dev/null 2>&1 &
  echo $! >>"$LUMO_HARNESS_DIR/harness.pids"
  local i
  for i in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  [ -s "$display_file" ] || lumo_die "Xvfb did not start"
  export DISPLAY=:$(head -n 1 "$display_file")
  lumo_harness_wineserver
}

lumo_harness_wineserver() {
  # Wine's own processes get the prefix's private home (see prefix.sh).
  HOME=$WINEPREFIX.home setsid /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 &
  echo $! >>"$LUMO_HARNESS_DIR/harness.pids"
  # Wine's own background processes (services, explorer) start with the first
  # program and inherit its output; started here, they hold /dev/null instead
  # of a test's output pipe, which ctest would wait on until its timeout.
  HOME=$WINEPREFIX.home /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}
