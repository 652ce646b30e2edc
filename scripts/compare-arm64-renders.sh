#!/usr/bin/env bash
# Renders the demo input at a few settings twice: with the arm64 build's vela-render under qemu, and with this
# machine's on its baseline loops (LUM_BASELINE_LOOPS), the portable code both builds share. Prints the largest
# sample difference per setting and fails if one is above 1e-5 or the renders differ in length. Both builds must exist (scripts/build.sh,
# scripts/build-arm64.sh).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/configure-release.sh"
native_dir="$(release_build_dir "$native_arch")"
arm64_dir="$(release_build_dir arm64)"
tolerance=1e-5

cmake --build "$native_dir" --target vela-render vela-demo-input vela-audio-check > /dev/null
cmake --build "$arm64_dir" --target vela-render > /dev/null
emulator="$(build_setting "$arm64_dir" CMAKE_CROSSCOMPILING_EMULATOR)"
check="$native_dir/tools/vela-audio-check/vela-audio-check"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Neither render may pick up a preset folder of whoever runs this.
export HOME="$work/home"
mkdir "$HOME"
"$native_dir/tools/vela-demo-input/vela-demo-input" "$work/demo.wav"

# NAME|vela-render options
settings=(
    "defaults|"
    "chorus|--set modType=Chorus --set modAmount=80"
    "vibrato|--set modType=Vibrato"
    "flanger|--set modType=Flanger --set modFeedback=80"
    "pan|--set modType=Pan"
    "phaser|--set modType=Phaser --set modFeedback=80"
    "tremolo|--set modType=Tremolo"
    "delay|--set modType=Delay --set spread=40"
    "synced|--set syncTempo=On --set time=1/8 --set syncMode=Dotted --bpm 96"
)

failed=0
for setting in "${settings[@]}"; do
    name="${setting%%|*}"
    read -r -a options <<< "${setting#*|}"
    LUM_BASELINE_LOOPS=1 "$native_dir/tools/vela-render/vela-render" "$work/demo.wav" "$work/$name-x86.wav" \
        "${options[@]}" > /dev/null
    "$emulator" "$arm64_dir/tools/vela-render/vela-render" "$work/demo.wav" "$work/$name-arm64.wav" \
        "${options[@]}" > /dev/null
    # Each against the other, as a reference is only as long as what it is held against.
    printf '%-10s arm64 against x86 baseline: ' "$name"
    if ! "$check" match "$work/$name-arm64.wav" "$work/$name-x86.wav" 0 "$tolerance" \
        || ! "$check" match "$work/$name-x86.wav" "$work/$name-arm64.wav" 0 "$tolerance" > /dev/null; then
        failed=1
    fi
done

if [[ "$failed" == 1 ]]; then
    echo "arm64's renders differ from this machine's (above)" >&2
fi
exit "$failed"
