#!/usr/bin/env bash
# Configures and builds everything in Release into build/ (reused between runs).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"

export CCACHE_BASEDIR="$root"
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" -j"$(nproc)"
