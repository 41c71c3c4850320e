#!/usr/bin/env bash
# Checks that the program imports only DLLs that every Windows (10 and
# later) ships, so that it runs from the zip as it is: no C++ or GCC runtime,
# no pthread library.
#
#   check_imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1
exe=$2

dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
if [ -z "$dlls" ]; then
  echo "$objdump lists no imported DLL for $exe" >&2
  exit 1
fi

status=0
while read -r dll; do
  case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | winmm.dll | advapi32.dll | shell32.dll | comctl32.dll | \
    imm32.dll | shcore.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll) ;;
    *)
      echo "$exe imports $dll, which Windows does not ship" >&2
      status=1
      ;;
  esac
done <<<"$dlls"
echo "imports:" $dlls
exit $status
