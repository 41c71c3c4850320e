#!/usr/bin/env bash
# if_built.sh FILE COMMAND [ARGS...]: runs COMMAND if FILE exists, and
# otherwise reports the test skipped (status 77) and why.
set -euo pipefail
if [ ! -f "$1" ]; then
  echo "skipped: $1 has not been built" >&2
  exit 77
fi
shift
exec "$@"
