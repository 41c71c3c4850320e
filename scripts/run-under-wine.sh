#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own: the emulator the
# cross build hands every build-time tool and test it runs.
#
#   scripts/run-under-wine.sh PREFIX PROGRAM.exe [ARG ...]
#
# PREFIX is created on first use, once even when several runs start at once,
# and without the dialogs that offer to install Mono and Gecko (nothing here
# needs .NET or a browser engine). The program's exit status is passed on.
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

create_prefix() {
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    echo "Creating the Wine prefix $prefix (once)" >&2
    if ! WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= wineboot --init >"$prefix.log" 2>&1 ||
       ! wineserver --wait; then
      echo "error: cannot create the Wine prefix $prefix; wineboot's output is in $prefix.log" >&2
      exit 1
    fi
  fi
  flock -u 9
  exec 9>&-
}

[ -f "$prefix/system.reg" ] || create_prefix
exec wine "$@"
