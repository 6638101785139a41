#!/usr/bin/env bash
# Checks that every source file is formatted, builds both products and runs
# every test: Varnook in a strict build and under AddressSanitizer + UBSan, then
# Sorvane cross-built and run under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" varnook tests sorvane

jobs=$(nproc)
status=0

echo "== Formatting (clang-format, the tree's .clang-format)"
if ! (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
  echo "Not formatted: run clang-format -i on the files named above." >&2
  status=1
fi

echo "== Varnook: strict build"
bash "$root/scripts/build.sh" "$root/build/strict" -DVARNOOK_WERROR=ON
(cd "$root/build/strict" && ctest --output-on-failure -j "$jobs") || status=1

echo "== Varnook: AddressSanitizer + UBSan"
bash "$root/scripts/build.sh" "$root/build/asan" -DVARNOOK_WERROR=ON -DVARNOOK_SANITIZE=ON -DVARNOOK_BENCH=OFF
(cd "$root/build/asan" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs") || status=1

echo "== Sorvane: cross-build and tests under Wine"
bash "$root/control/test.sh" "$root/build/control" || status=1

exit $status
