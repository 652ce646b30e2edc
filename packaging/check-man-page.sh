#!/usr/bin/env bash
# Checks vela-render's manual page as packaging/help-to-man.sh writes it from the tool's --help: man renders it
# without a warning, and it shows every option and every parameter row that --help shows.
# Usage: check-man-page.sh [EMULATOR] VELA_RENDER
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tool=("$@")
page="$(mktemp --suffix=.1)"
trap 'rm -f "$page"' EXIT
"$here/help-to-man.sh" 0.0.0 "${tool[@]}" > "$page"

warnings="$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l -Tutf8 "$page" 2>&1 > /dev/null)"
if [[ -n "$warnings" ]]; then
    echo "man warns: $warnings"
    exit 1
fi

shown="$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2> /dev/null | col -b | tr -s ' \t' ' ')"
help="$("${tool[@]}" --help)"
options="$(sed -n 's/^  \(-[^ ]*\).*/\1/p' <<< "$help")"
rows="$(sed -n '/^[0-9]/p' <<< "$help" | tr -s ' \t' ' ')"
# With nothing to look for nothing would be missing: no option or no row means that --help was not read as meant.
[[ -n "$options" ]] || { echo "--help shows no option to look for on the page"; exit 1; }
[[ -n "$rows" ]] || { echo "--help shows no parameter row to look for on the page"; exit 1; }

missing=0
while IFS= read -r line; do
    if ! grep -qF -- "$line" <<< "$shown"; then
        echo "not on the page: $line"
        missing=1
    fi
done <<< "$options"$'\n'"$rows"
exit "$missing"
