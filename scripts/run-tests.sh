#!/usr/bin/env bash
# Installs what the tests need, builds everything in Release and runs the whole test suite.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
