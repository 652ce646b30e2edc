# Configures the Release build; sourced, after root is set, by the scripts that build it. The compiler cache is
# keyed on paths below $root, so that every clone and worktree shares its hits; the export stays for the build.
export CCACHE_BASEDIR="$root"

# The Debian architectures Vela builds for: this machine's, and arm64 cross-built with Debian's cross compilers.
native_arch="$(dpkg --print-architecture)"

# release_build_dir ARCH: the build folder of that architecture's Release build.
release_build_dir() {
    if [[ "$1" == "$native_arch" ]]; then
        echo "${VELA_BUILD_DIR:-$root/build}"
    else
        echo "${VELA_ARM64_BUILD_DIR:-$root/build-$1}"
    fi
}

# configure_release BUILD_DIR [ARCH]
configure_release() {
    case "${2:-$native_arch}" in
        "$native_arch")
            cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release ;;
        # No benchmarks: an emulator's timings say nothing of an ARM processor's.
        arm64)
            cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELA_BUILD_BENCH=OFF \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/aarch64-linux-gnu.cmake" ;;
        *)
            echo "no build for the architecture $2" >&2
            return 2 ;;
    esac
}

# build_setting BUILD_DIR NAME: a value from that build's CMake cache, empty if it has none.
build_setting() {
    sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"
}
