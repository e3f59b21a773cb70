#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program in a data folder (default:
# ./data-folder), creating the four empty table files there first if it has none.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
data="${1:-$root/data-folder}"
cd "$root"
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
mkdir -p "$data"
if ! ls "$data" | grep -qi '^artista\.db$'; then
  build/bin/sonorelo-tables create "$data"
fi
cd "$data"
exec "$root/build/bin/sonorelo"
