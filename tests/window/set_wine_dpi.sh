#!/usr/bin/env bash
# set_wine_dpi.sh PREFIX DPI: sets the screen density the Windows programs in
# Wine prefix PREFIX see from their next start, as Windows' display settings
# do (LogPixels), and waits until Wine has written it down, so that the next
# program reads it whether or not Wine's server is still running.
set -euo pipefail
prefix=$1
dpi=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/run-under-wine.sh" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
WINEPREFIX=$(realpath -m "$prefix") wineserver --wait
