#!/usr/bin/env bash
# Configures and builds everything in Release into build/ (reused between runs).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"

source "$root/scripts/configure-release.sh"

configure_release "$build_dir"
cmake --build "$build_dir" -j"$(nproc)"
