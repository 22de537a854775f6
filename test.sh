#!/usr/bin/env bash
# Builds Quorv and runs every test through CTest (widget tests run offscreen).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
