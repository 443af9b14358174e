#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from the build folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
if [ ! -x "$top/build/bin/vuzovid" ]; then
  echo "The program vuzovid is not built yet; only the link library and the tests exist so far." >&2
  exit 1
fi
exec "$top/build/bin/vuzovid" "$@"
