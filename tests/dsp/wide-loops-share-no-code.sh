#!/usr/bin/env bash
# The loop files built for wider instruction sets may define no code with outside linkage: a shared
# inline function they defined would be one copy among several, and the linker could keep their wide copy for code
# that runs on any processor. Argument: the LumDSP library.
set -euo pipefail

defined="$(nm -A --defined-only "$1")"
sharing=0
for object in LumDigiDelayLoopsAvx2.cpp.o LumDigiDelayLoopsAvx512.cpp.o; do
    # An object missing from the library shares nothing, but then nothing of it was checked either.
    if ! grep -qF ":$object:" <<< "$defined"; then
        echo "$object is not in $1: the wide loops were not checked"
        exit 1
    fi

    shared="$(awk -v object=":$object:" 'index($1, object) && $2 ~ /^[TWi]$/' <<< "$defined")"
    if [[ -n "$shared" ]]; then
        echo "Symbols $object shares with the rest of the program:"
        echo "$shared"
        sharing=1
    fi
done
exit "$sharing"
