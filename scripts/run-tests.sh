#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test twice: with
# warnings as errors, and under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/check-format.sh

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
