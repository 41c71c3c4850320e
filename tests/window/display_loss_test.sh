#!/usr/bin/env bash
# When its display goes away, vorn must end at once with status 1 and one
# line on stderr, and never crash: the X server killed while the program
# starts and loads its frames, the server killed while frames are running,
# and the client's connection closed by the server (as xkill does) while the
# server stays up.
#
#   display_loss_test.sh CAPTION_PRINTER PROGRAM [ARGUMENT ...]
#
# CAPTION_PRINTER prints the caption the window is found by (vorn-print-caption).
#
# The Windows build under Wine cannot see the X connection: Wine itself ends
# the process with status 1, saying so on stderr once for each of its
# connections, or not at all. For it, LOST_DISPLAY_LINES names the pattern
# (extended regular expression) that any line on stderr must match, instead
# of vorn's own one line.
set -u
[ $# -ge 2 ] || { echo "usage: $0 CAPTION_PRINTER PROGRAM [ARGUMENT ...]" >&2; exit 2; }
caption=$("$1") || { echo "error: $1 could not print the caption" >&2; exit 2; }
shift
program=("$@")
own_line='^vorn: lost the connection to the display$'
pattern=${LOST_DISPLAY_LINES:-$own_line}
work=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; rm -rf "$work"' EXIT
passed=0
failed=0

# Starts a private X server on a free display number; sets $server, $display.
start_server() {
  exec 3>"$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  server=$!
  exec 3>&-
  for _ in $(seq 1 500); do
    [ -s "$work/displayfd" ] && break
    sleep 0.01
  done
  display=":$(head -1 "$work/displayfd")"
  : >"$work/displayfd"
  # Ready when a client can connect. (-noreset: without it the server resets
  # when that client leaves, and the next one may find it unable to connect.)
  for _ in $(seq 1 500); do
    xwininfo -root -display "$display" >/dev/null 2>&1 && return 0
    sleep 0.01
  done
  echo "error: the private X server on $display did not start" >&2
  exit 1
}

# Waits up to 30 s for the program's window; prints its id.
window_id() {
  for _ in $(seq 1 3000); do
    id=$(DISPLAY=$display xwininfo -name "$caption" 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$vorn" 2>/dev/null || return 1
    sleep 0.01
  done
  return 1
}

# Runs one case: starts the server and the program, lets `$1` take the
# display away, then checks how the program ended.
run_case() {
  local name=$1 how=$2
  start_server
  DISPLAY=$display "${program[@]}" >"$work/out" 2>"$work/err" &
  vorn=$!
  local id
  if ! id=$(window_id); then
    report "$name" "the window never appeared"
    stop_server
    return
  fi
  "$how" "$id"
  local status=0
  # The program must end by itself; give it 30 s, then call it hung.
  for _ in $(seq 1 3000); do kill -0 "$vorn" 2>/dev/null || break; sleep 0.01; done
  if kill -0 "$vorn" 2>/dev/null; then
    kill -9 "$vorn"; wait "$vorn" 2>/dev/null
    report "$name" "still running 30 s after losing its display"
  else
    wait "$vorn"; status=$?
    check "$name" "$status"
  fi
  stop_server
}

stop_server() {
  kill -9 "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  server=""
}

kill_server_now() { kill -9 "$server"; }
kill_server_while_running() { sleep 1.5; kill -9 "$server"; }
kill_client_connection() { sleep 1.5; DISPLAY=$display xkill -id "$1" >/dev/null 2>&1; }

check() {
  local name=$1 status=$2 problems=""
  [ "$status" -eq 1 ] || problems+="status $status; "
  if [ "$pattern" = "$own_line" ]; then
    [ "$(wc -l <"$work/err")" -eq 1 ] || problems+="stderr is not one line; "
  fi
  grep -qvE "$pattern" "$work/err" && problems+="stderr says something else; "
  [ -s "$work/out" ] && problems+="wrote to stdout; "
  if grep -qE 'Segmentation fault|AddressSanitizer|runtime error|LeakSanitizer' "$work/err" "$work/out"; then
    problems+="crash or sanitizer report; "
  fi
  if [ -z "$problems" ]; then
    passed=$((passed + 1)); echo "ok      $name"
  else
    report "$name" "$problems"
  fi
}

report() {
  failed=$((failed + 1))
  echo "FAILED  $1: $2"
  echo "  stderr:"; sed 's/^/    /' "$work/err"
  echo "  stdout:"; sed 's/^/    /' "$work/out"
}

run_case "server killed as the window appears, while the frames load" kill_server_now
run_case "server killed while the frames run" kill_server_while_running
run_case "client's connection killed, server still up" kill_client_connection
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
