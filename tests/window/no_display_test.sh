#!/usr/bin/env bash
# Without a display, vorn must say so in one line on stderr and exit 1,
# rather than let the X platform abort the process.
set -u
vorn="$1"
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for display in "" ":9997"; do
  if [ -z "$display" ]; then
    env -u DISPLAY -u QT_QPA_PLATFORM "$vorn" 2>"$err" >/dev/null; status=$?
  else
    env -u QT_QPA_PLATFORM DISPLAY="$display" "$vorn" 2>"$err" >/dev/null; status=$?
  fi
  lines=$(wc -l <"$err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^vorn: no display' "$err"; then
    echo "DISPLAY='$display': status $status, $lines lines on stderr:"; cat "$err"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
echo "1 passed, 0 failed"
