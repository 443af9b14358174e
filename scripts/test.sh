#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build, the same tests
# under AddressSanitizer + UndefinedBehaviorSanitizer, the link library's threaded tests under
# ThreadSanitizer, and the fuzz set for a bounded time (when clang is there). Any failure fails
# the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/build.sh" build
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

"$top/scripts/build.sh" build-asan -DVUZ_SANITIZE=address
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"

"$top/scripts/build.sh" build-tsan -DVUZ_SANITIZE=thread -DVUZ_BUILD_APP=OFF
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir "$top/build-tsan" --output-on-failure -j "$jobs" -L threaded
if command -v clang++ >/dev/null; then
  # 60 s per target, as many at once as there are cores: about two minutes for the set.
  VUZ_FUZZ_JOBS=$jobs "$top/scripts/fuzz.sh" 60
else
  echo "clang++ not found: the fuzz set was not run."
fi
echo "All tests passed."
