#!/usr/bin/env bash
# Lays out Vela's installed files, from a Release build, under DEST as they go below / on a Debian system:
# the plug-ins where hosts look for them, the two programs, the desktop entry and icon, the manual pages and
# the documentation. The Debian package and the portable archive both hold this tree.
# Usage: stage.sh BUILD_DIR DEST
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build_dir="$1"
dest="$2"
artefacts="$build_dir/products/Vela_desktop/Vela_artefacts/Release"
source "$root/scripts/version.sh"
source "$root/scripts/configure-release.sh"

# The build's own strip, and the emulator its programs run under when it is for another processor.
strip_program="$(build_setting "$build_dir" CMAKE_STRIP)"
run_built=()
emulator="$(build_setting "$build_dir" CMAKE_CROSSCOMPILING_EMULATOR)"
if [[ -n "$emulator" ]]; then
    run_built=("$emulator")
fi

rm -rf "$dest"
install -d "$dest/usr/lib/lv2" "$dest/usr/lib/vst3" "$dest/usr/lib/vst" "$dest/usr/bin" \
    "$dest/usr/share/applications" "$dest/usr/share/icons/hicolor/256x256/apps" "$dest/usr/share/man/man1" \
    "$dest/usr/share/doc/vela"

cp -R "$artefacts/LV2/Vela.lv2" "$dest/usr/lib/lv2/"
cp -R "$artefacts/VST3/Vela.vst3" "$dest/usr/lib/vst3/"
install -m 644 "$artefacts/VST/Vela.so" "$dest/usr/lib/vst/Vela.so"
install -m 755 "$artefacts/Standalone/Vela" "$dest/usr/bin/vela"
install -m 755 "$build_dir/tools/vela-render/vela-render" "$dest/usr/bin/vela-render"

# Modules are loaded, not run: no execute bits. Debug symbols and notes stay in the build.
find "$dest/usr/lib" -type d -exec chmod 755 {} +
find "$dest/usr/lib" -type f -exec chmod 644 {} +
find "$dest/usr" -type f \( -name '*.so' -o -path '*/bin/*' \) \
    -exec "$strip_program" --strip-unneeded --remove-section=.comment --remove-section=.note {} +

install -m 644 "$here/vela.desktop" "$dest/usr/share/applications/vela.desktop"
install -m 644 "$root/resources/images/logo.png" "$dest/usr/share/icons/hicolor/256x256/apps/vela.png"

"$here/help-to-man.sh" "$version" "${run_built[@]}" "$dest/usr/bin/vela-render" > "$dest/usr/share/man/man1/vela-render.1"
install -m 644 "$here/vela.1" "$dest/usr/share/man/man1/vela.1"
gzip -9n "$dest/usr/share/man/man1/"*.1

install -m 644 "$here/copyright" "$dest/usr/share/doc/vela/copyright"
install -m 644 "$here/installed-README.txt" "$dest/usr/share/doc/vela/README"
