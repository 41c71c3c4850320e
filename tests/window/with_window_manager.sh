#!/usr/bin/env bash
# with_window_manager.sh COMMAND [ARGS...]: runs COMMAND on $DISPLAY with a
# window manager (openbox) framing its windows, as on a desktop, and returns
# COMMAND's status. The window manager is stopped afterwards.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  echo "with_window_manager.sh: no DISPLAY to run the window manager on" >&2
  exit 1
fi

workdir=$(mktemp -d)
openbox --config-file /dev/null >"$workdir/openbox.log" 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null; rm -rf "$workdir"' EXIT

# The manager is ready once it names itself on the root window.
for _ in $(seq 1 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  if ! kill -0 "$manager" 2>/dev/null; then
    echo "with_window_manager.sh: openbox did not start:" >&2
    cat "$workdir/openbox.log" >&2
    exit 1
  fi
  sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
