#!/usr/bin/env bash
# Builds Tarvenn with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTARVENN_SANITIZE=ON -DTARVENN_WERROR=ON >/dev/null
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
