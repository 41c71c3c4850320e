#!/usr/bin/env bash
# Without a display, vorn must say so in one line on stderr and exit 1,
# rather than let Qt's platform abort the process: with neither display set,
# with an X display that is not there, and with only a Wayland display that
# is not there.
set -u
vorn="$1"
err=$(mktemp)
runtime=$(mktemp -d)
trap 'rm -rf "$err" "$runtime"' EXIT
for displays in "" "DISPLAY=:9997" "WAYLAND_DISPLAY=vorn-no-compositor"; do
  # shellcheck disable=SC2086 # the word splitting is the point
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" $displays "$vorn" 2>"$err" >/dev/null
  status=$?
  lines=$(wc -l <"$err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^vorn: no display' "$err"; then
    echo "'$displays': status $status, $lines lines on stderr:"; cat "$err"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
echo "1 passed, 0 failed"
