#!/usr/bin/env bash
# Drives Debian's Ardour 7 without a screen or a sound card (ardour7-lua with the dummy back end) on the built Vela,
# one plug-in format at a time:
#   ardour-test.sh renders FORMAT   a session at 48 kHz and 96 BPM plays the test signal (test-signal.lua)
#                                   through Vela with delay-settings.txt; Ardour's export equals vela-render of
#                                   the same input with the same settings and tempo; saved, closed and opened again
#                                   in a new Ardour, every parameter reads back the same and a second export is
#                                   identical
#   ardour-test.sh ramp FORMAT      Mix automated from 0 to 100 % over the test: the export follows it, no clicks
#   ardour-test.sh presets FORMAT   the factory presets or programs, loading one, an edit, then Init
# FORMAT is lv2, vst3 or vst2. Takes the built files from VELA_RENDER, VELA_AUDIO_CHECK, VELA_ARTEFACTS,
# VELA_LV2_URI and VELA_FACTORY_PRESETS (CMake sets them). Without Ardour it prints one "skipped: ..." line and passes.
set -euo pipefail

mode="$1"
format="$2"

if ! command -v ardour7-lua > /dev/null; then
    echo "skipped: daw.ardour $mode $format (ardour7-lua not found; Debian's package ardour has it)"
    exit 0
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

bpm=96                        # not 120, JUCE's own default, so that a tempo Ardour fails to deliver shows
seconds=4                     # the test's length: the click at 2.2 s and the first of its echoes
tolerance=1e-5                # the block path's distance from the per-sample reference
preset="Dotted Ping-Pong"     # loaded before the edit and Init in the presets test
edit="feedback=33"
ardour_limit_seconds=300      # a run takes seconds; this only keeps a hung Ardour from hanging the tests
# Ardour's own crash (run_ardour) took 29 % and 43 % of the attempts in two CI runs, and up to four in a row: with
# twelve, the chance that one of a CI run's twelve scripts never runs through is about 1 in 2 000 even at 43 %.
ardour_attempts=12

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A new user's Ardour: HOME and the XDG folders in the scratch folder, so that nothing of the caller's is read or
# written. A HOME under /tmp is as good as any other.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache" XDG_DATA_HOME="$HOME/.local/share"
ardour_config="$XDG_CONFIG_HOME/ardour7"
# The generator is a Lua DSP script, found by name in the user's script folder; the export format and preset
# (32-bit float WAV, no dither, no normalising) in the user's export folder.
mkdir -p "$ardour_config/scripts" "$ardour_config/export"
cp "$here/test-signal.lua" "$ardour_config/scripts/"
cp "$here/float-wav.format" "$here/float-wav.preset" "$ardour_config/export/"

# The build's plug-ins and nothing installed: Ardour takes LV2 bundles from LV2_PATH, VST3 bundles from VST3_PATH,
# VST2 from LXVST_PATH. A headless Ardour reads VST plug-ins only from the scanners' caches, which the scanners
# write for it, in the new HOME. Ardour looks a cache up by the SHA-1 of the module's canonical path, while a
# scanner names it after the path exactly as it was given: a bundle scanned as .../LV2/Vela.lv2/../../VST3/...
# has its cache in place and Ardour still shows no VST plug-in, in a HOME under /tmp or /opt alike. Hence
# realpath.
artefacts="$(realpath "$VELA_ARTEFACTS")"
export LV2_PATH="$artefacts/LV2" VST3_PATH="$artefacts/VST3" LXVST_PATH="$artefacts/VST"
case "$format" in
    vst3) LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst3-scanner -q "$VST3_PATH/Vela.vst3" ;;
    vst2) LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -q "$LXVST_PATH/Vela.so" ;;
esac

"$VELA_RENDER" --list-params > "$work/params.txt"
export VELA_LUA_DIR="$here" VELA_FORMAT="$format" VELA_LV2_URI VELA_PARAMS="$work/params.txt"
export VELA_SETTINGS="$here/delay-settings.txt" VELA_BPM="$bpm" VELA_SECONDS="$seconds" VELA_RAMP=""
export VELA_SESSION_DIR="$work/session"
export VELA_EXPORT_PRESET
VELA_EXPORT_PRESET="$(sed -n 's/.*<ExportPreset id="\([^"]*\)".*/\1/p' "$here/float-wav.preset")"

# Runs one Lua script in a new Ardour, its lines for this driver into NAME.lines and its exports into
# exports/NAME. Ardour 7.3's luasession corrupts its heap now and then around an export (a race in its own export
# code: it happens with no plug-in on the track at all, and never under gdb or valgrind), and dies of SIGSEGV or
# SIGABRT; such a run is tried again from scratch, and says so.
run_ardour() {
    local name="$1" script="$2" attempt status
    export VELA_OUT="$work/exports/$name"
    for ((attempt = 1; attempt <= ardour_attempts; attempt++)); do
        status=0
        rm -rf "$VELA_OUT"
        # Every script but the one that opens it again makes the session anew.
        [[ "$script" == reopen-session.lua ]] || rm -rf "$VELA_SESSION_DIR"
        timeout --kill-after=10 "$ardour_limit_seconds" ardour7-lua "$here/$script" > "$work/$name.log" 2>&1 \
            || status=$?
        if ((status == 0)); then
            # Vela writes "init" with no line end to standard error whenever it is made: a line may follow it.
            grep -oP '[A-Z]+\t.*' "$work/$name.log" > "$work/$name.lines"
            return 0
        fi
        if ((status == 124 || status < 128)); then
            cat "$work/$name.log"
            echo "FAIL: $script in Ardour ended with $status"
            return 1
        fi
        echo "ardour7-lua died of signal $((status - 128)) in $script, attempt $attempt of $ardour_attempts"
    done
    cat "$work/$name.log"
    echo "FAIL: $script never ran through"
    return 1
}

# Prints a line's fields after its tag from NAME.lines, for lines that start with TAG.
lines() {
    sed -n "s/^$2\t//p" "$work/$1.lines"
}

render_args=(--bpm "$bpm" --tail 0)
while read -r setting; do
    [[ -z "$setting" ]] || render_args+=(--set "$setting")
done < "$VELA_SETTINGS"

# The file of export NAME that RUN made.
exported() {
    find "$work/exports/$1/$2" -name '*.wav'
}

check_renders() {
    run_ardour made make-session.lua
    local latency
    latency="$(lines made LATENCY)"
    echo "Ardour's block size: $(lines made BLOCK | cut -f2 | sort -u | tr '\n' ' ')latency reported: $latency"
    "$VELA_RENDER" "$(exported made input)" "$work/reference.wav" "${render_args[@]}"
    echo "$format in Ardour against vela-render:"
    "$VELA_AUDIO_CHECK" match "$(exported made first)" "$work/reference.wav" "$latency" "$tolerance"

    run_ardour reopened reopen-session.lua
    echo "the second export against the first:"
    "$VELA_AUDIO_CHECK" match "$(exported reopened second)" "$(exported made first)" 0 0
    check_values_kept
}

# Every parameter reads back after the session was opened again as it did before it was saved. Ardour learns an
# LV2 plug-in's parameters (patch properties, as JUCE writes them) only from the plug-in's messages, which a
# headless Ardour never reads: it only knows what it set itself, in this process. For LV2 the identical second
# export is what shows the state came back.
check_values_kept() {
    if [[ "$format" == lv2 ]]; then
        return
    fi
    if ! diff <(lines made VALUE | cut -f2-) <(lines reopened VALUE | cut -f2-); then
        echo "FAIL: the parameters read back differently after reopening (< before, > after)"
        return 1
    fi
    echo "all $(lines made VALUE | wc -l) parameters read back the same after reopening"
}

check_ramp() {
    VELA_RAMP=mix run_ardour made make-session.lua
    local input
    input="$(exported made input)"
    "$VELA_RENDER" "$input" "$work/dry.wav" "${render_args[@]}" --set mix=0
    "$VELA_RENDER" "$input" "$work/wet.wav" "${render_args[@]}" --set mix=100
    echo "$format in Ardour with Mix automated from 0 to 100 %:"
    "$VELA_AUDIO_CHECK" ramp "$(exported made first)" "$work/dry.wav" "$work/wet.wav" "$seconds"
}

# Values as id<TAB>value for one step of presets.lua.
step_values() {
    lines presets VALUE | sed -n "s/^$1\t//p"
}

check_presets() {
    VELA_PRESET="$preset" VELA_EDIT="$edit" run_ardour presets presets.lua
    local failed=0
    # The factory bank as the plug-in ships it, one file a preset: in every format all of them, and only them.
    if ! diff <(find "$VELA_FACTORY_PRESETS" -name '*.preset' -printf '%f\n' | sed 's/\.preset$//' | sort) \
              <(lines presets PRESET | sort); then
        echo "FAIL: Ardour lists other presets than the factory bank (< bank, > Ardour)"
        failed=1
    fi
    echo "Ardour lists all $(lines presets PRESET | wc -l) factory presets"
    for step in loaded:"$preset" edited:"$preset" init:Init; do
        local last
        last="$(lines presets LAST | sed -n "s/^${step%%:*}\t//p")"
        [[ "$last" == "${step#*:}" ]] || { echo "FAIL: after the ${step%%:*} step Ardour's last preset is '$last'"; failed=1; }
    done
    if [[ "$format" != lv2 ]]; then
        check_preset_values || failed=1
    fi
    return $failed
}

# What Ardour reads back: the loaded preset is not the defaults; the edit changes its parameter alone; Init brings
# back every default, the edited parameter too.
check_preset_values() {
    local defaults failed=0
    defaults="$(sed -n 's/^[0-9]*\t\([^\t]*\)\t[^\t]*\t[^\t]*\tdefault \([^\t]*\).*/\1\t\2/p' "$work/params.txt")"
    if [[ "$(step_values loaded)" == "$defaults" ]]; then
        echo "FAIL: loading $preset left every parameter at its default"
        failed=1
    fi
    local expected_edit
    expected_edit="$(step_values loaded | awk -F'\t' -v OFS='\t' -v id="${edit%%=*}" -v value="${edit#*=}" \
                     '$1 == id { $2 = value } { print }')"
    if ! diff <(echo "$expected_edit") <(step_values edited); then
        echo "FAIL: the edit of $edit read back otherwise (< expected, > read)"
        failed=1
    fi
    if ! diff <(echo "$defaults") <(step_values init); then
        echo "FAIL: after Init the parameters read back otherwise than the defaults (< defaults, > read)"
        failed=1
    fi
    ((failed)) || echo "read back after $preset, the edit $edit and Init: as expected"
    return $failed
}

case "$mode" in
    renders) check_renders ;;
    ramp) check_ramp ;;
    presets) check_presets ;;
    *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
