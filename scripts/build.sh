#!/usr/bin/env bash
# Configures (once) and builds into build/, with ccache when it is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
if [ ! -f "$top/build/build.ninja" ]; then
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$top/build" -j "$(nproc)"
