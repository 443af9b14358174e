#!/usr/bin/env bash
# build.sh <folder> [cmake options...]: configures (once) and builds into <folder>.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$top" -B "$top/$dir" -G Ninja "$@" >/dev/null
cmake --build "$top/$dir" -j "$(nproc)"
