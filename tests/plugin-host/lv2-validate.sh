#!/usr/bin/env bash
# Validates the LV2 bundle's descriptions against the LV2 schemas (lv2_validate). The one report allowed is
# lv2:enumeration as a port property of a list parameter: LV2 has no parameter equivalent, and hosts label list
# entries only from it (cmake/juce-patches/lv2-value-types-for-parameters.patch).
# Usage: lv2-validate.sh BUNDLE
set -euo pipefail

if ! command -v lv2_validate > /dev/null; then
    echo "lv2_validate not found (Debian's lv2-dev): the bundle was not validated"
    exit 1
fi

shopt -s nullglob
files=("$1"/*.ttl)
if (( ${#files[@]} == 0 )); then
    echo "no .ttl file in $1: nothing to validate"
    exit 1
fi

# lv2_validate reads the LV2 schemas before the files it is given, and its last line counts both ("Found 5 errors
# among 86 files (checked 2115 restrictions)"). Given one empty file it counts the schemas and that file, so given
# the bundle it must count one less than that and every file of the bundle.
filesCounted() { sed -n 's/^Found [0-9]* errors among \([0-9]*\) files .*/\1/p' <<< "$1"; }
forEmptyFile="$(filesCounted "$(lv2_validate /dev/null 2>&1 || true)")"
report="$(lv2_validate "${files[@]}" 2>&1 || true)"
counted="$(filesCounted "$report")"
if [[ -z "$forEmptyFile" || "$counted" != "$(( forEmptyFile - 1 + ${#files[@]} ))" ]]; then
    echo "lv2_validate's summary does not count the bundle's ${#files[@]} .ttl files:" \
         "${counted:-no} files counted, ${forEmptyFile:-no} for one empty file"
    exit 1
fi

# Each report is a line "error: ..." or "warning: ...", then the subject, property and object on lines of their own.
unexpected="$(awk '/^(error|warning)/ { if (record != "") print record; record = $0; lines = 0; next }
                   record != "" && lines++ < 3 { record = record " | " $1 }
                   END { if (record != "") print record }' <<< "$report" \
    | grep -v '^error: Subject not in domain <http://lv2plug.in/ns/lv2core#Port> | [^ ]*:[a-zA-Z]* | http://lv2plug.in/ns/lv2core#portProperty | http://lv2plug.in/ns/lv2core#enumeration$' || true)"

if [[ -n "$unexpected" ]]; then
    echo "$unexpected"
    exit 1
fi
echo "valid, but for lv2:enumeration on list parameters"
