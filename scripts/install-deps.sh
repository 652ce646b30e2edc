#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages; does nothing when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config patch
    juce-modules-source fst-dev
    libexpat1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    lv2-dev liblilv-dev lilv-utils
    xvfb xauth libx11-dev
    clang libclang-rt-14-dev
    libsndfile1-dev
    # What pluginval loads; it opens the editor under xvfb-run.
    libasound2 libfreetype6 libpng16-16 zlib1g libbrotli1
    libx11-6 libxext6 libxinerama1 libxrandr2 libxcursor1 libxrender1 libxcomposite1
    dpkg-dev lintian sordi man-db bsdextrautils
    # The cross build for arm64 (scripts/build-arm64.sh), and qemu to run what it builds.
    crossbuild-essential-arm64 qemu-user-static
    # The arm64 libraries it links, beside this machine's: each is Multi-Arch: same, so it takes nothing away.
    libexpat1-dev:arm64 libfreetype-dev:arm64 libpng-dev:arm64 libjpeg-dev:arm64 zlib1g-dev:arm64
    libasound2-dev:arm64 libsndfile1-dev:arm64 libgtest-dev:arm64 libgmock-dev:arm64
    # The DAW tests (tests/daw): Ardour 7 run headless, and the LV2 reference host jalv on JACK's dummy back end.
    ardour jalv jackd2
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    "${as_root[@]}" dpkg --add-architecture arm64
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
