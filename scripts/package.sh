#!/usr/bin/env bash
# Builds Vela's Debian package from the Release build into build/packages/vela_VERSION_ARCH.deb.
#   --arch A   for the Debian architecture A: this machine's (the default), or arm64 from the cross build in
#              build-arm64/ (scripts/build-arm64.sh), into build-arm64/packages/
#   --check    then checks it: its file list against packaging/expected-files.txt, and lintian (no error, no
#              warning); and that the portable archive's install.sh, run for a user, installs the same files and
#              its uninstall leaves none of them
#   --archive  also writes the portable archive build/packages/vela-VERSION-linux-ARCH.tar.gz
#
# dpkg-deb rather than CPack: the plug-ins are JUCE bundles without CMake install rules, and a clean lintian
# run needs exact control of the tree (stripped modules, compressed manual pages, changelog, modes). A staged
# tree (packaging/stage.sh) and dpkg-deb keep all of that in plain view, with dpkg-shlibdeps computing the
# dependencies from the binaries as Debian's own packaging does.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/configure-release.sh"
source "$root/scripts/version.sh"
check=0
archive=0
arch="$native_arch"
while (( $# > 0 )); do
    case "$1" in
        --check) check=1 ;;
        --archive) archive=1 ;;
        --arch) arch="${2:?--arch needs an architecture}"; shift ;;
        *) echo "usage: package.sh [--check] [--archive] [--arch ARCH]" >&2; exit 2 ;;
    esac
    shift
done
build_dir="$(release_build_dir "$arch")"
out="$build_dir/packages"

configure_release "$build_dir" "$arch" > /dev/null
cmake --build "$build_dir" --target Vela_VST Vela_VST3 Vela_LV2 Vela_Standalone vela-render > /dev/null

maintainer="Quillon <packages@quillon.invalid>"
tree="$out/vela-tree"
deb="$out/vela_${version}_${arch}.deb"
mkdir -p "$out"
"$root/packaging/stage.sh" "$build_dir" "$tree"

# A native package's changelog, dated by the last commit so that the same source gives the same package.
date="$(git -C "$root" log -1 --format=%cD 2> /dev/null || date -R)"
printf 'vela (%s) unstable; urgency=medium\n\n  * Vela %s.\n\n -- %s  %s\n' "$version" "$version" "$maintainer" "$date" \
    | gzip -9n > "$tree/usr/share/doc/vela/changelog.gz"
chmod 644 "$tree/usr/share/doc/vela/changelog.gz"

# dpkg-shlibdeps reads the package's name from a debian/control of its working folder.
shlibs="$(mktemp -d)"
trap 'rm -rf "$shlibs"' EXIT
mkdir "$shlibs/debian"
printf 'Source: vela\n\nPackage: vela\nArchitecture: any\n' > "$shlibs/debian/control"
mapfile -t binaries < <(find "$tree/usr" -type f \( -name '*.so' -o -path '*/usr/bin/*' \))
# The libraries they link are looked up among those of the package's architecture.
depends="$(cd "$shlibs" && DEB_HOST_ARCH="$arch" dpkg-shlibdeps -O "${binaries[@]}" 2> /dev/null \
    | sed -n 's/^shlibs:Depends=//p')"

install -d "$tree/DEBIAN"
(cd "$tree" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$tree/DEBIAN/md5sums"
cat > "$tree/DEBIAN/control" <<CONTROL
Package: vela
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk --apparent-size "$tree/usr" | cut -f1)
Depends: $depends
Section: sound
Priority: optional
Homepage: https://quillon.invalid
Description: stereo dual delay audio plug-in (LV2, VST3, VST 2.4)
 Vela is a dual digital delay with a highpass and lowpass stage and a
 modulation stage (Chorus, Vibrato, Flanger, Pan, Phaser, Tremolo, Delay).
 .
 This package holds the LV2, VST3 and VST 2.4 plug-ins, a standalone
 application and vela-render, which runs audio files through the plug-in.
CONTROL
dpkg-deb --root-owner-group -Zxz --build "$tree" "$deb" > /dev/null
echo "$deb"

if [[ "$archive" == 1 ]]; then
    "$root/packaging/make-archive.sh" "$tree" "$out/vela-$version-linux-$arch.tar.gz"
fi

if [[ "$check" == 1 ]]; then
    # The one path that names the processor: the VST3 bundle's folder for its binary.
    cpu="$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_CPU 2> /dev/null)"
    if ! diff -u <(sed "s|@CPU@|$cpu|" "$root/packaging/expected-files.txt") \
                 <(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|/$||' | sort); then
        echo "the package's files differ from packaging/expected-files.txt" >&2
        exit 1
    fi
    lintian --fail-on error,warning "$deb"
fi

if [[ "$check" == 1 ]]; then
    home="$shlibs/home"
    mkdir -p "$home/unpacked"
    "$root/packaging/make-archive.sh" "$tree" "$shlibs/vela-$version-linux-$arch.tar.gz" > /dev/null
    tar -C "$home/unpacked" -xzf "$shlibs/vela-$version-linux-$arch.tar.gz"
    HOME="$home" "$home/unpacked/vela-$version/install.sh" > /dev/null
    installed="$(find "$home" -path "$home/unpacked" -prune -o -type f -print | wc -l)"
    packaged="$(find "$tree/usr" -type f | wc -l)"
    # The archive installs the package's files, and its manifest beside them.
    if [[ "$installed" != "$((packaged + 1))" ]]; then
        echo "install.sh installed $installed files for the package's $packaged" >&2
        exit 1
    fi
    HOME="$home" "$home/unpacked/vela-$version/install.sh" --uninstall > /dev/null
    if find "$home" -path "$home/unpacked" -prune -o -type f -print | grep .; then
        echo "install.sh --uninstall left these files" >&2
        exit 1
    fi
fi
