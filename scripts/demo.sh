#!/usr/bin/env bash
# Sets everything up, builds the release preset and runs every command on the bundled drawings.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
build/release/bin/qivhost demo "$@"
