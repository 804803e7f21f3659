#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/check-format.sh
cmake -S . -B build/ci -G Ninja -DTESSIVANE_WERROR=ON >/dev/null
cmake --build build/ci
ctest --test-dir build/ci --output-on-failure -j2
