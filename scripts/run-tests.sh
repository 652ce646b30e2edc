#!/usr/bin/env bash
# Installs what the tests need, builds everything in Release, runs the whole test suite, then the third-party
# plug-in validators on the built plug-ins (scripts/run-validators.sh), and checks the Debian package built from it
# (file list, lintian). Then the same for arm64: cross-builds it into build-arm64/ (scripts/build-arm64.sh), runs
# its tests under qemu, holds its renders against this machine's baseline loops (scripts/compare-arm64-renders.sh)
# and checks its package. Then, unless VELA_SANITIZERS=0: builds the suite again with clang's AddressSanitizer and
# UndefinedBehaviourSanitizer (with the fuzz targets) into build-asan/ and runs it, fuzzes the state chunk and
# preset file readers and vela-render's WAV input for VELA_FUZZ_SECONDS (60) each, and runs the concurrency test
# under ThreadSanitizer from build-tsan/.
# Any report fails the run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/configure-release.sh"
build_dir="$(release_build_dir "$native_arch")"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

ctest --test-dir "$build_dir" --output-on-failure -j"$jobs"
VELA_BUILD_DIR="$build_dir" "$root/scripts/run-validators.sh"
# The Debian package from this build: its file list and lintian.
"$root/scripts/package.sh" --check

arm64_started="$SECONDS"
"$root/scripts/build-arm64.sh"
ctest --test-dir "$(release_build_dir arm64)" --output-on-failure -j"$jobs"
"$root/scripts/compare-arm64-renders.sh"
"$root/scripts/package.sh" --check --arch arm64
echo "arm64: built, tested under qemu and packaged in $((SECONDS - arm64_started)) s"

if [[ "${VELA_SANITIZERS:-1}" == 0 ]]; then
    exit 0
fi

export CCACHE_BASEDIR="$root"
clang=(-G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
       -DVELA_BUILD_BENCH=OFF)

# Everything, so that every test registered has its binary, and every test run but lv2info and the DAW tests:
# Debian's own LV2 tool, Ardour and jalv can't load a sanitized module.
asan_dir="${VELA_ASAN_BUILD_DIR:-$root/build-asan}"
cmake -S "$root" -B "$asan_dir" "${clang[@]}" -DVELA_SANITIZE=address,undefined -DVELA_FUZZ=ON > /dev/null
cmake --build "$asan_dir" -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$asan_dir" --output-on-failure -j"$jobs" -E '^plugin-host\.lv2info$' -LE daw
"$root/fuzz/run.sh" "$asan_dir" "${VELA_FUZZ_SECONDS:-60}"

tsan_dir="${VELA_TSAN_BUILD_DIR:-$root/build-tsan}"
cmake -S "$root" -B "$tsan_dir" "${clang[@]}" -DVELA_SANITIZE=thread > /dev/null
cmake --build "$tsan_dir" --target vela-concurrency-tests -j"$jobs"
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" "$tsan_dir/tests/reliability/vela-concurrency-tests"
