#!/usr/bin/env bash
# Rewrites resources/presets from the factory bank table (tools/vela-make-presets/FactoryBank.cpp).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"

export CCACHE_BASEDIR="$root"
cmake --build "$build_dir" --target vela-make-presets
rm -f "$root"/resources/presets/*.preset
"$build_dir/tools/vela-make-presets/vela-make-presets" "$root/resources/presets" > /dev/null
