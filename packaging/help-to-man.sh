#!/usr/bin/env bash
# Writes vela-render's manual page (troff, section 1) from its --help text, so that the page says what the tool
# says. Usage: help-to-man.sh VERSION [EMULATOR] VELA_RENDER > vela-render.1
set -euo pipefail

version="$1"
tool=("${@:2}")

"${tool[@]}" --help | awk -v version="$version" '
    function troff(text) {
        gsub(/\\/, "\\e", text)
        gsub(/-/, "\\-", text)
        sub(/^[.\x27]/, "\\\\&&", text)
        return text
    }
    BEGIN { part = "usage" }
    part == "usage" {
        sub(/^usage: /, "")
        print ".TH VELA-RENDER 1 \"\" \"vela-render " version "\" \"User Commands\""
        print ".SH NAME"
        print "vela-render \\- render audio files through the Vela delay plug-in"
        print ".SH SYNOPSIS"
        n = split($0, forms, / \| /)
        for (i = 1; i <= n; ++i) {
            form = forms[i]
            if (form !~ /^vela-render /) form = "vela-render " form
            print ".B " troff(form)
            print ".br"
        }
        print ".SH DESCRIPTION"
        part = "description"
        next
    }
    part == "description" && /^$/ { if (described) part = "options"; next }
    part == "description" { print troff($0); described = 1; next }
    part == "options" && /^Parameters/ {
        print ".SH PARAMETERS"
        print troff($0)
        print ".PP"
        print ".nf"
        print ".ta 4n 18n 34n 64n 80n"
        part = "parameters"
        next
    }
    part == "options" && /^  [^ ]/ {
        # The option, then its arguments (upper case, or a name=value), then the text.
        n = split(substr($0, 3), words, / +/)
        option = words[1]
        for (i = 2; i <= n && words[i] ~ /^([A-Z.|]+|[a-z]+=[a-z]+)$/; ++i) option = option " " words[i]
        text = words[i]
        for (++i; i <= n; ++i) text = text " " words[i]
        if (!in_options) { print ".SH OPTIONS"; in_options = 1 }
        print ".TP"
        print ".B " troff(option)
        print troff(text)
        next
    }
    part == "options" && /^   +/ { sub(/^ +/, ""); print troff($0); next }
    part == "parameters" && !/^$/ { print troff($0); next }
    END {
        print ".fi"
        print ".SH FILES"
        print ".TP"
        print ".I ~/Quillon/Vela/Presets/"
        print "The preset folder that \\-\\-preset NAME looks in."
    }
'
