#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test.
# Exits non-zero when any build or test fails; ends with CTest's summary.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

scripts/setup.sh || exit 1
# Benchmarks and fuzz targets are built too, so they never rot; they run by hand.
for preset in native windows bench fuzz; do
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done

status=0
echo "== native tests (sanitizers on)"
ctest --preset native -j "$jobs" --output-on-failure || status=1
echo "== windows tests (under Wine)"
ctest --preset windows -j "$jobs" --output-on-failure || status=1
exit $status
