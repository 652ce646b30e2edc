#!/usr/bin/env bash
# Configures and builds everything in Release into build/ (reused between runs).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/configure-release.sh"
build_dir="$(release_build_dir "$native_arch")"

configure_release "$build_dir"
cmake --build "$build_dir" -j"$(nproc)"
