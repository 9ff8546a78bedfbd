#!/usr/bin/env bash
# Runs one accessibility test against the built program, as a screen reader
# would meet it: a virtual X display, a private session bus with the desktop's
# accessibility bus on it, and the program started with Qt's accessibility
# switched on, in a home of its own, on copies of the sample classes.
#
# run_a11y.sh QUORLE EXAMPLES TEST.py
#
# Every wait is bounded; the whole run is stopped after QUORLE_A11Y_SECONDS
# (240 unless set). Exit status 0: passed; 77: the machine lacks what the test
# needs (Xvfb, dbus-run-session, at-spi2-core, python3-pyatspi, xdotool).
#
# With QUORLE_A11Y_ORCA set to a file, the screen reader Orca (and the window
# manager openbox, when there is one) runs in the session too, silent, its
# debug output (every "SPEECH OUTPUT") written to that file
# (scripts/orca-walk does this).
set -euo pipefail
quorle=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
examples=$(cd "$2" && pwd)
test=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb dbus-run-session xdotool "$python" "$launcher"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own, well away from the numbers desktops and xvfb-run take:
# a number whose lock another server holds makes Xvfb end, and the next is tried.
display=
for _ in $(seq 20); do
  n=$((200 + RANDOM % 700))
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  # It writes its number to fd 3 once it takes connections; -noreset keeps it
  # from starting afresh (and refusing connections meanwhile) when a client leaves.
  rm -f "$work/display"
  Xvfb ":$n" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 150); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -s $work/display ]] && kill -0 "$xvfb_pid" 2>/dev/null &&
     DISPLAY=:$n timeout 10 xdotool getdisplaygeometry >/dev/null 2>&1; then
    display=:$n
    break
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[[ -n $display ]] || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start"; exit 1; }

mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/runtime" "$work/classes"
chmod 700 "$work/runtime"
cp "$examples"/*.gdr "$examples"/*.CHT "$examples"/*.col "$work/classes/" 2>/dev/null || true

export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
       XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime \
       QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
       NO_AT_BRIDGE=0 GTK_MODULES= QUORLE_NO_SPLASH=1 \
       QUORLE_A11Y_PROGRAM=$quorle QUORLE_A11Y_CLASSES=$work/classes QUORLE_A11Y_WORK=$work \
       PYTHONPATH=$here PYTHONDONTWRITEBYTECODE=1 QUORLE_A11Y_ORCA=${QUORLE_A11Y_ORCA:-}
unset QUORLE_DIR WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS

timeout --kill-after=10 "${QUORLE_A11Y_SECONDS:-240}" dbus-run-session -- bash -c '
  "$0" --launch-immediately --a11y=1 >"$QUORLE_A11Y_WORK/bus.log" 2>&1 &
  launcher=$!
  helpers=
  if [[ -n $QUORLE_A11Y_ORCA ]]; then
    if command -v openbox >/dev/null; then openbox >"$QUORLE_A11Y_WORK/openbox.log" 2>&1 & helpers="$helpers $!"; fi
    orca --disable speech --debug-file "$QUORLE_A11Y_ORCA" >"$QUORLE_A11Y_WORK/orca.log" 2>&1 &
    helpers="$helpers $!"
    for _ in $(seq 150); do grep -q "Startup complete" "$QUORLE_A11Y_ORCA" 2>/dev/null && break; sleep 0.2; done
    sleep 1
  fi
  status=0
  "$1" "$2" || status=$?
  # Orca may still be saying what came last: until its output rests.
  if [[ -n $QUORLE_A11Y_ORCA ]]; then
    size=-1
    for _ in $(seq 60); do
      now=$(stat -c %s "$QUORLE_A11Y_ORCA" 2>/dev/null || echo 0)
      [[ $now == "$size" ]] && break
      size=$now
      sleep 2
    done
  fi
  for pid in $helpers; do kill "$pid" 2>/dev/null || true; done
  for pid in $helpers; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  kill "$launcher" 2>/dev/null || true
  exit "$status"
' "$launcher" "$python" "$test"
