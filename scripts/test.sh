#!/usr/bin/env bash
# Builds everything with the tests and benchmarks into build-test/ and runs every test.
# Extra arguments go to ctest (for instance -L long for the long tests alone).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQF_TESTS=ON -DQF_BENCH=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
if [ $# -eq 0 ]; then set -- -LE long; fi
ctest --output-on-failure -j"$(nproc)" "$@"
