#!/usr/bin/env bash
# Validates the LV2 bundle's descriptions against the LV2 schemas (lv2_validate). The one report allowed is
# lv2:enumeration as a port property of a list parameter: LV2 has no parameter equivalent, and hosts label list
# entries only from it (cmake/juce-patches/lv2-value-types-for-parameters.patch).
# Usage: lv2-validate.sh BUNDLE
set -euo pipefail

report="$(lv2_validate "$1"/*.ttl 2>&1 || true)"
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
