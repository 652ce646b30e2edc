#!/usr/bin/env bash
# Installs what the build needs, builds everything in Release, installs the plug-ins for this user and renders
# a short demo through the real plug-in processor.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"
source "$root/scripts/plugin-artefacts.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

mkdir -p "$HOME/.vst" "$HOME/.vst3" "$HOME/.lv2" "$HOME/.local/bin"
install -m 755 "$vst2_plugin" "$HOME/.vst/Vela.so"
rm -rf "$HOME/.vst3/Vela.vst3" "$HOME/.lv2/Vela.lv2"
cp -R "$vst3_bundle" "$HOME/.vst3/"
cp -R "$lv2_bundle" "$HOME/.lv2/"
install -m 755 "$standalone_app" "$HOME/.local/bin/Vela"
install -m 755 "$build_dir/tools/vela-render/vela-render" "$HOME/.local/bin/vela-render"


demo_dir="${VELA_DEMO_DIR:-$HOME/Vela-demo}"
mkdir -p "$demo_dir"
"$build_dir/tools/vela-demo-input/vela-demo-input" "$demo_dir/plucks.wav"
"$build_dir/tools/vela-render/vela-render" "$demo_dir/plucks.wav" "$demo_dir/plucks-vela.wav" \
    --set time=375 --set feedback=55 --set spread=40 --set mix=45 --tail 3 > /dev/null

echo
echo "Installed: ~/.vst/Vela.so, ~/.vst3/Vela.vst3, ~/.lv2/Vela.lv2, ~/.local/bin/Vela, ~/.local/bin/vela-render"
echo "Presets:   ~/Quillon/Vela/Presets (the factory bank, written when Vela first opens)"
echo "Demo input:    $demo_dir/plucks.wav"
echo "Demo rendered: $demo_dir/plucks-vela.wav"
