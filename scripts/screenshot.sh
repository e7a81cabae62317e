#!/bin/sh
# Screenshots of the main window with a competition open and of the set-up dialogs (home teams,
# DISAG parameters, settings), taken on a virtual X display.
# Usage: scripts/screenshot.sh [BUILD_DIR] [COMPETITION.RW] [OUTPUT.png]
#   BUILD_DIR    default: build-release if it holds the tool, else build-test
#   COMPETITION  default: tests/ui/fixtures/sechs.RW
#   OUTPUT       default: screenshot.png
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
if [ -z "$build" ]; then
    build="$root/build-release"
    [ -x "$build/bin/tarvenn-screenshot" ] || build="$root/build-test"
fi
competition=${2:-"$root/tests/ui/fixtures/sechs.RW"}
output=${3:-screenshot.png}
tool="$build/bin/tarvenn-screenshot"
if [ ! -x "$tool" ]; then
    echo "$tool fehlt: cmake --build $build --target tarvenn-screenshot" >&2
    exit 1
fi

# A settings folder of its own, with the competition as the newest history entry, so that the
# user's settings stay untouched and the file menu shows an entry.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
competition=$(cd "$(dirname "$competition")" && pwd)/$(basename "$competition")
printf '[History]\r\n1=%s\r\n' "$competition" > "$config/setupRW.ini"

TARVENN_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 \
    xvfb-run -a -s "-screen 0 1280x800x24" "$tool" "$competition" "$output"
echo "$output"
