#!/usr/bin/env bash
# Cross-builds Vela for 64-bit ARM Linux in Release into build-arm64/ (reused between runs): the plug-ins, the
# standalone application, vela-render and the tests that run under qemu (cmake/toolchains/aarch64-linux-gnu.cmake).
# Run its tests with: ctest --test-dir build-arm64
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/configure-release.sh"
build_dir="$(release_build_dir arm64)"

configure_release "$build_dir" arm64
cmake --build "$build_dir" -j"$(nproc)"
