#!/usr/bin/env bash
# Checks the built plug-ins with the validators plug-in developers run on every build: pluginval at strictness 10
# on the VST3, VST2 and LV2 builds, headless and once more with its editor tests under xvfb-run, and Steinberg's
# VST 3 validator with its extensive tests. They are found through VELA_PLUGINVAL and VELA_VST3_VALIDATOR, else as
# pluginval and validator on PATH; a missing one is skipped with a line that says so. Every run starts from an empty
# HOME, keeps its whole output in BUILD/validators/RUN.log and prints one line; all of them run, and the script
# fails at the end naming those that failed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${VELA_BUILD_DIR:-$root/build}"
source "$root/scripts/plugin-artefacts.sh"

# pluginval also takes each of its options from an environment variable of the same name (pluginval --help); none
# may reach it, so that the command lines below alone decide.
pluginval_option_variables=(VALIDATE SAMPLE_RATES BLOCK_SIZES RANDOM_SEED DATA_FILE STRICTNESS_LEVEL TIMEOUT_MS
                            REPEAT RANDOMISE SKIP_GUI_TESTS DISABLED_TESTS VST3VALIDATOR OUTPUT_DIR OUTPUT_FILENAME
                            VERBOSE)
# A run takes well under a minute; this only keeps a hung plug-in from hanging the test command.
run_limit_seconds=900

# Prints the validator to use: the variable's path when it is set (it must then be runnable), else the program
# found on PATH, else nothing.
find_validator() {
    local variable="$1" program="$2"
    local chosen="${!variable:-}"
    if [[ -z "$chosen" ]]; then
        command -v "$program" || true
    elif [[ -x "$chosen" && ! -d "$chosen" ]]; then
        echo "$chosen"
    else
        echo "validators: $variable=$chosen is not a program" >&2
        return 1
    fi
}

pluginval="$(find_validator VELA_PLUGINVAL pluginval)"
vst3_validator="$(find_validator VELA_VST3_VALIDATOR validator)"

log_dir="$build_dir/validators"
rm -rf "$log_dir"
mkdir -p "$log_dir"
homes="$(mktemp -d)"
trap 'rm -rf "$homes"' EXIT

unset_options=()
for variable in "${pluginval_option_variables[@]}"; do
    unset_options+=(-u "$variable")
done

# Headless runs get no display at all, whatever the caller's session has.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY)

failed=()
ran=0

# Runs one validation: its name, then the command.
run() {
    local name="$1"
    shift
    local log="$log_dir/$name.log" home status=0 start=$SECONDS
    home="$(mktemp -d "$homes/home.XXXXXX")"
    env "${unset_options[@]}" HOME="$home" timeout --kill-after=10 "$run_limit_seconds" "$@" > "$log" 2>&1 \
        || status=$?
    local seconds=$((SECONDS - start)) result=pass
    ran=$((ran + 1))
    if ((status == 124)); then
        result="FAIL (no end after $run_limit_seconds s)"
    elif ((status != 0)); then
        result="FAIL (exit $status)"
    fi
    if [[ "$result" != pass ]]; then
        failed+=("$name")
        # pluginval picks a new random seed for every run; with it a failure can be replayed.
        local seed
        seed="$(sed -n 's/^Random seed: //p' "$log" | head -n 1)"
        [[ -z "$seed" ]] || result+=", replay with --random-seed $seed"
    fi
    printf 'validator %-22s %s, %d s, %s\n' "$name" "$result" "$seconds" "$log"
    # Where CI keeps only what was printed, the end of the log shows which test was running.
    if [[ "$result" != pass ]]; then
        tail -n 15 "$log" | sed 's/^/    /'
    fi
}

declare -A plugin_of=([vst3]="$vst3_bundle" [vst2]="$vst2_plugin" [lv2]="$lv2_bundle")
started=$SECONDS
skipped=()
if [[ -n "$pluginval" ]]; then
    for format in vst3 vst2 lv2; do
        pluginval_run=("$pluginval" --strictness-level 10 --validate "${plugin_of[$format]}")
        run "pluginval-$format" "${headless[@]}" "${pluginval_run[@]}" --skip-gui-tests
        run "pluginval-$format-editor" xvfb-run -a "${pluginval_run[@]}"
    done
else
    skipped+=("pluginval (VELA_PLUGINVAL is not set and no pluginval is on PATH)")
fi

if [[ -n "$vst3_validator" ]]; then
    run vst3-validator "${headless[@]}" "$vst3_validator" -e "$vst3_bundle"
else
    skipped+=("Steinberg's VST 3 validator (VELA_VST3_VALIDATOR is not set and no validator is on PATH)")
fi

if ((${#skipped[@]})); then
    printf -v skipped_text '%s; ' "${skipped[@]}"
    echo "validators skipped: ${skipped_text%; }"
fi

if ((${#failed[@]})); then
    echo "validators failed: ${failed[*]} (logs in $log_dir)"
    exit 1
fi
if ((ran)); then
    echo "validators: $ran runs passed in $((SECONDS - started)) s"
fi
