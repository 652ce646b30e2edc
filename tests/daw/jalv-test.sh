#!/usr/bin/env bash
# Debian's LV2 reference host, jalv, on JACK's dummy back end (no sound card), started and stopped here: loads the
# built Vela.lv2 by its URI, lists its presets, which must be the factory bank, and applies one. Takes
# VELA_ARTEFACTS, VELA_LV2_URI and VELA_FACTORY_PRESETS from CMake. Without jalv or jackd it prints one
# "skipped: ..." line and passes.
#
# What jalv shows of the parameters proves nothing either way: they are LV2 patch properties (as JUCE writes
# them), and a jalv without a UI never reads the plug-in's messages, so it shows 0 for each, before a preset
# and after; nor does it complain about a preset URI it does not know. That it applies the preset without an
# error is what is checked here; Ardour's tests check the sound.
set -euo pipefail

for program in jalv jackd jack_wait; do
    if ! command -v "$program" > /dev/null; then
        echo "skipped: daw.jalv ($program not found; Debian's packages jalv and jackd2 have it)"
        exit 0
    fi
done

preset="Dotted Ping-Pong"
wait_seconds=60  # jackd starts in a second; this only bounds a server that never comes up

work="$(mktemp -d)"
export HOME="$work"
# A server of its own, never the caller's, and none started behind the test's back.
export JACK_DEFAULT_SERVER="vela-test-$$" JACK_NO_START_SERVER=1
jackd --no-realtime -d dummy -r 48000 -p 1024 > "$work/jackd.log" 2>&1 &
jackd_pid=$!
trap 'kill "$jackd_pid" 2> /dev/null; wait "$jackd_pid" 2> /dev/null; rm -rf "$work"' EXIT
if ! jack_wait -w -t "$wait_seconds" > /dev/null 2>&1; then
    cat "$work/jackd.log"
    echo "FAIL: JACK's dummy server did not start"
    exit 1
fi

export LV2_PATH="$VELA_ARTEFACTS/LV2"
# jalv reads its commands from standard input and ends at its end.
timeout 120 jalv -n vela-test "$VELA_LV2_URI" < <(echo presets) > "$work/list.log" 2>&1
grep -q "^Plugin: *$VELA_LV2_URI\$" "$work/list.log" || { cat "$work/list.log"; echo "FAIL: jalv did not load Vela"; exit 1; }

# Lines "URI (Label)", after jalv's prompt.
listed="$(sed -n "s|^\(> \)*\($VELA_LV2_URI:[^ ]*\) (\(.*\))\$|\2\t\3|p" "$work/list.log")"
if ! diff <(find "$VELA_FACTORY_PRESETS" -name '*.preset' -printf '%f\n' | sed 's/\.preset$//' | sort) \
          <(cut -f2 <<< "$listed" | sort); then
    echo "FAIL: jalv lists other presets than the factory bank (< bank, > jalv)"
    exit 1
fi
echo "jalv lists all $(wc -l <<< "$listed") factory presets"

# Applied, jalv answers with the parameter list.
uri="$(awk -F'\t' -v label="$preset" '$2 == label { print $1 }' <<< "$listed")"
timeout 120 jalv -n vela-test "$VELA_LV2_URI" < <(echo "preset $uri") > "$work/apply.log" 2>&1
if grep -q -i 'error' "$work/apply.log" || ! grep -q '^\(> \)*vela_time = ' "$work/apply.log"; then
    cat "$work/apply.log"
    echo "FAIL: jalv did not apply $preset"
    exit 1
fi
echo "jalv applied $preset ($uri)"
