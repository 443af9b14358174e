#!/bin/sh
# own-lock-file.sh <folder> <program> [args...]: runs a test program with a library lock file of
# its own. ctest starts every test case as a separate process, in parallel; processes that shared
# one lock file would find it held and load an inert library.
mkdir -p "$1"
KLVNDRV_LOCK_FILE="$1/$$.lock"
export KLVNDRV_LOCK_FILE
shift
exec "$@"
