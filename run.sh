#!/usr/bin/env bash
# Builds a release version of Tarvenn and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTARVENN_BUILD_TESTS=OFF -DTARVENN_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target tarvenn

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tarvenn braucht einen Bildschirm: keine grafische Sitzung gefunden (DISPLAY ist nicht gesetzt)." >&2
    exit 1
fi
exec ./build-release/tarvenn "$@"
