#!/usr/bin/env bash
# Redraws the editor's background (bg.png, and bg_4x.png at twice its size) and logo (tools/vela-artwork) into
# resources/images.
# With --preview FILE it also writes the panel with the controls' bounds outlined, to check the fit.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"
source "$root/scripts/configure-release.sh"

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    configure_release "$build_dir"
fi
cmake --build "$build_dir" --target vela-artwork

tool="$build_dir/tools/vela-artwork/vela-artwork"
"$tool" "$root/resources/images"
if [[ "${1:-}" == "--preview" ]]; then
    "$tool" --preview "${2:?--preview wants a file name}"
fi
