#!/usr/bin/env bash
# Checks the Debian package as a user meets it, on this machine (it installs system-wide, so it is not part of
# CI): builds the package, installs it, and checks that LV2 hosts list Vela, that JUCE's hosting classes load
# the installed VST3, VST2 and LV2 plug-ins and hear a click come back as an echo, that vela-render runs and
# its manual page is found; then removes the package and checks that none of its files are left.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"
uri="https://quillon.invalid/plugins/vela"

step() { printf '\n== %s\n' "$*"; }

step "build the package"
deb="$("$root/scripts/package.sh" | tail -1)"
cmake --build "$build_dir" --target vela-plugin-host-test > /dev/null
mapfile -t packaged < <(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep -v '^/$')
echo "$deb: ${#packaged[@]} paths"

step "install it"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq "$deb" > /dev/null
dpkg-query -W -f='${Package} ${Version} ${Status}\n' vela

step "lv2ls lists $uri"
lv2ls | grep -x "$uri"

step "JUCE's hosts load the installed plug-ins and hear the click's echo"
VELA_VST3_BUNDLE=/usr/lib/vst3/Vela.vst3 VELA_VST2_LIBRARY=/usr/lib/vst/Vela.so VELA_LV2_BUNDLE=/usr/lib/lv2/Vela.lv2 \
    "$build_dir/tests/plugin-host/vela-plugin-host-test_artefacts/Release/vela-plugin-host-test" --gtest_brief=1 \
    --gtest_filter='Formats/PluginIdentity.*:Formats/DelayedImpulse.*' 2>&1 | grep -v '^init' | tail -3

step "the programs"
command -v vela vela-render
vela-render --version
man -w vela-render
man -w vela

step "remove it"
apt-get -o DPkg::Lock::Timeout=900 remove -y -qq vela > /dev/null
left=0
for path in "${packaged[@]}"; do
    # Shared folders such as /usr/lib/lv2 stay; Vela's own bundles and documentation folder go.
    if [[ -f "$path" || -L "$path" ]] || [[ -d "$path" && "$path" =~ (/Vela\.(lv2|vst3)|/doc/vela)(/|$) ]]; then
        echo "left behind: $path"
        left=1
    fi
done
if dpkg-query -W -f='${Status}' vela 2> /dev/null | grep -q "install ok"; then
    echo "still installed"
    left=1
fi
if [[ "$left" == 0 ]]; then
    echo "none of the package's ${#packaged[@]} paths is left, but the shared folders"
fi
exit "$left"
