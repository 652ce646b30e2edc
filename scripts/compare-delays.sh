#!/usr/bin/env bash
# Installs the other LV2 delays from Debian's packages, builds Vela's LV2 bundle and the comparison host, and
# measures them all in one run; then watches Vela's cost over a long tail. Extra arguments go to the host
# (for example --rounds 15). Run it on a quiet machine: the figures are CPU time, but a busy machine still
# disturbs caches and clocks.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"
source "$root/scripts/configure-release.sh"

peers=(calf-plugins zam-plugins lsp-plugins-lv2 mda-lv2)
missing=()
for package in "${peers[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

"$root/scripts/install-deps.sh"
configure_release "$build_dir" > /dev/null
cmake --build "$build_dir" --target Vela_LV2 VelaBenchPassThrough_LV2 vela-lv2-compare -j"$(nproc)"

host="$build_dir/bench/lv2/vela-lv2-compare"
echo "load: $(uptime)"
"$host" "$@"
echo
"$host" --tail "$@"
