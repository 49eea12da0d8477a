#!/usr/bin/env bash
# Sets everything up, builds with the given preset (release by default) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
