#!/usr/bin/env bash
# The loop files built for wider instruction sets may define no code with outside linkage: a shared
# inline function they defined would be one copy among several, and the linker could keep their wide copy for code
# that runs on any processor. Argument: the LumDSP library.
set -euo pipefail

shared="$(nm -A --defined-only "$1" \
    | awk '$1 ~ /LumDigiDelayLoops(Avx2|Avx512)\.cpp\.o:/ && $2 ~ /^[TWi]$/')"

if [[ -n "$shared" ]]; then
    echo "Symbols the wide loop files share with the rest of the program:"
    echo "$shared"
    exit 1
fi
