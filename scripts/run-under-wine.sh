#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own: the emulator the
# cross build hands every build-time tool and test it runs.
#
#   scripts/run-under-wine.sh PREFIX PROGRAM.exe [ARG ...]
#
# PREFIX is created on first use, once even when several runs start at once,
# and without the dialogs that offer to install Mono and Gecko (nothing here
# needs .NET or a browser engine). The program's exit status is passed on,
# and the program keeps this script's process id, so that a signal sent to
# it reaches the program.
#
# One Wine server serves every run in PREFIX, from the first run's start to a
# few seconds after the last one's end. Left to itself, each Wine program
# starts a server when it finds none and the server ends 3 s after its last
# program; a program that starts while another starts the server, or while
# the server is ending, fails with "wine client error: ... recvmsg:
# Connection reset by peer" before it runs. Here the server is started and
# stopped only under a lock, and never ends while a run needs it.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 PREFIX PROGRAM.exe [ARG ...]" >&2
  exit 2
fi
prefix=$(realpath -m "$1")  # Wine takes only an absolute prefix
shift

export WINEPREFIX=$prefix
export WINEARCH=win64
# Wine's own diagnostics would be mixed into the test output and the
# generators' messages; the programs' own errors still come through.
export WINEDEBUG=${WINEDEBUG:--all}

# The server outlives the last run by this long, as Wine's own does, so that
# runs one after another find it up.
server_linger_seconds=3
# Ends a server that no run stops because its runs were killed; long enough
# that a server in use never sits this long without a program.
server_orphan_seconds=60
server_log="$prefix.server.log"

# File descriptors: 9 is the start-and-stop lock, held only while the prefix
# is made or the server started or stopped; 8 is held shared by every run
# (and its watcher) for as long as it needs the server.
open_locks() {
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock" 8>"$prefix.users"
}

create_prefix() {
  echo "Creating the Wine prefix $prefix (once)" >&2
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= wineboot --init >"$prefix.log" 2>&1 8>&- 9>&- ||
     ! wineserver --wait; then
    echo "error: cannot create the Wine prefix $prefix; wineboot's output is in $prefix.log" >&2
    exit 1
  fi
}

# A server that no run holds can only be one whose runs were killed before
# they stopped it; it is ended so that it cannot end under the next program.
stop_orphaned_server() {
  wineserver -k || [ $? -eq 1 ]  # status 1: there was none
  wineserver --wait
}

# Status 2 is a server already up, which is kept up by the runs holding it.
start_server() {
  local status=0
  wineserver -p"$server_orphan_seconds" </dev/null >>"$server_log" 2>&1 8>&- 9>&- || status=$?
  if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
    echo "error: the Wine server for $prefix did not start (status $status); its output is in $server_log" >&2
    exit 1
  fi
}

# Waits, in the background, until the program (this process, once it has
# become Wine) has ended and the linger time has passed; then the last run to
# leave stops the server.
watch_program() {
  local program=$1
  while kill -0 "$program" 2>/dev/null; do sleep 0.1; done
  sleep "$server_linger_seconds"
  flock 9
  if flock -n -x 8; then
    wineserver -k && wineserver --wait
  fi
}

open_locks
flock 9
if flock -n -x 8; then
  stop_orphaned_server
  [ -f "$prefix/system.reg" ] || create_prefix
fi
start_server
flock -s 8
watch_program $$ </dev/null >>"$server_log" 2>&1 &
flock -u 9
exec wine "$@" 8>&- 9>&-
