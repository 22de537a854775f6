#!/usr/bin/env bash
# Builds Quorv and starts it in its data folder (the folder that holds "pazo.dll").
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
data="${QUORV_DATA:-$HOME/Quorv}"
mkdir -p "$data"
cd "$data"
exec "$top/build/quorv" "$@"
