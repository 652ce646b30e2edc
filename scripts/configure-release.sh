# Configures the Release build; sourced, after root is set, by the scripts that build it. The compiler cache is
# keyed on paths below $root, so that every clone and worktree shares its hits; the export stays for the build.
export CCACHE_BASEDIR="$root"

# configure_release BUILD_DIR
configure_release() {
    cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release
}
