#!/usr/bin/env bash
# Installs Vela from this archive, for you alone (the default) or with --system for every user, and removes
# it again with --uninstall (add --system for a system-wide one). What it installs is listed in a manifest (files,
# and folders with a trailing /), and an uninstall removes exactly what is listed there.
#
#   for you:      ~/.lv2  ~/.vst3  ~/.vst  ~/.local/bin  ~/.local/share/{applications,icons,man}
#   --system:     /usr/local/lib/{lv2,vst3,vst}  /usr/local/bin  /usr/local/share/{applications,icons,man}
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
system=0
uninstall=0
for option in "$@"; do
    case "$option" in
        --system) system=1 ;;
        --uninstall) uninstall=1 ;;
        *) echo "usage: install.sh [--system] [--uninstall]" >&2; exit 2 ;;
    esac
done

if [[ "$system" == 1 ]]; then
    lib=/usr/local/lib; lv2="$lib/lv2"; vst3="$lib/vst3"; vst="$lib/vst"
    bin=/usr/local/bin; share=/usr/local/share
    manifest=/usr/local/share/vela/installed-files
else
    lv2="$HOME/.lv2"; vst3="$HOME/.vst3"; vst="$HOME/.vst"
    bin="$HOME/.local/bin"; share="${XDG_DATA_HOME:-$HOME/.local/share}"
    manifest="$share/vela/installed-files"
fi

if [[ "$uninstall" == 1 ]]; then
    if [[ ! -f "$manifest" ]]; then
        echo "Vela is not installed here: $manifest is missing" >&2
        exit 1
    fi
    # Files first, then the folders of Vela's bundles, deepest first, each only once it is empty.
    grep -v '/$' "$manifest" | while IFS= read -r path; do rm -f -- "$path"; done
    grep '/$' "$manifest" | sort -r | while IFS= read -r path; do
        rmdir --ignore-fail-on-non-empty -- "$path" 2> /dev/null || true
    done
    rm -f -- "$manifest"
    rmdir --ignore-fail-on-non-empty -- "$(dirname "$manifest")"
    echo "Vela removed."
    exit 0
fi

files="$here/files"
# Where each part of the archive's tree goes.
places=(
    "lib/lv2/Vela.lv2:$lv2/Vela.lv2"
    "lib/vst3/Vela.vst3:$vst3/Vela.vst3"
    "lib/vst/Vela.so:$vst/Vela.so"
    "bin/vela:$bin/vela"
    "bin/vela-render:$bin/vela-render"
    "share/applications/vela.desktop:$share/applications/vela.desktop"
    "share/icons/hicolor/256x256/apps/vela.png:$share/icons/hicolor/256x256/apps/vela.png"
    "share/man/man1/vela.1.gz:$share/man/man1/vela.1.gz"
    "share/man/man1/vela-render.1.gz:$share/man/man1/vela-render.1.gz"
    "share/doc/vela:$share/doc/vela"
)

mkdir -p "$(dirname "$manifest")"
: > "$manifest"
for place in "${places[@]}"; do
    from="$files/${place%%:*}"
    to="${place#*:}"
    if [[ -d "$from" ]]; then
        rm -rf -- "$to"
        (cd "$from" && find . -type d) | while IFS= read -r folder; do
            mkdir -p "$to/$folder"
            echo "$(realpath -m "$to/$folder")/" >> "$manifest"
        done
        (cd "$from" && find . -type f) | while IFS= read -r file; do
            install -m "$(stat -c %a "$from/$file")" "$from/$file" "$to/$file"
            realpath -m "$to/$file" >> "$manifest"
        done
    else
        install -D -m "$(stat -c %a "$from")" "$from" "$to"
        echo "$to" >> "$manifest"
    fi
done

echo "Vela installed; the list of its files is $manifest."
case ":$PATH:" in
    *":$bin:"*) ;;
    *) echo "Add $bin to your PATH to start vela and vela-render by name." ;;
esac
