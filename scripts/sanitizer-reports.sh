#!/bin/sh
# Judges the reports that a sanitized test run left in a folder (one file per
# process). Each report's stack is walked from its innermost frame: a frame
# of a library that tests/sanitizers/suppressions.txt names for the report's
# kind makes it that library's own; a frame of the project's code (its
# sources, or a module in the build folder) met first fails the run, and the
# report is printed. Reports without any frame of the project's code are only
# counted.
#   scripts/sanitizer-reports.sh <report folder> <source folder> <build folder>
set -e
reports=$1
source=$(cd "$2" && pwd)
build=$(cd "$3" && pwd)
suppressions="$source/tests/sanitizers/suppressions.txt"
# A run that left no report at all is a clean run.
set -- "$reports"/*
[ -f "$1" ] || { echo "No sanitizer reports in $reports"; exit 0; }

# shellcheck disable=SC2016
awk -v source="$source/" -v build="$build/" -v suppressions="$suppressions" '
function flush(    i, where, decided, verdict) {
    if (kind == "")
        return
    verdict = ""
    for (i = 1; i <= frames && verdict == ""; ++i) {
        where = frame[i]
        if (where ~ /libsanitizer|^\(<unknown module>\)$/)
            continue
        if (where ~ /^\(/) {
            if (index(where, "(" build) == 1)
                verdict = "project"
            else
                for (s = 1; s <= rules; ++s)
                    if (rule_kind[s] == kind && index(where, rule_library[s]))
                        verdict = "suppressed by " kind ":" rule_library[s]
        } else if (where !~ /^\// || index(where, source) == 1 || index(where, build) == 1) {
            verdict = "project"
        }
    }
    if (verdict == "") {
        ++suppressed["without a frame of the project'"'"'s code"]
    } else if (verdict ~ /^suppressed/) {
        ++suppressed[verdict]
    } else {
        ++failures
        printf "%s: %s, not a library'"'"'s own:\n%s\n", FILENAME, kind, text
    }
    kind = ""
}
BEGIN {
    while ((getline line < suppressions) > 0) {
        if (line ~ /^[ \t]*(#|$)/)
            continue
        split(line, part, ":")
        ++rules
        rule_kind[rules] = part[1]
        rule_library[rules] = part[2]
    }
}
FNR == 1 { flush() }
/^==[0-9]+==ERROR: AddressSanitizer: / {
    flush()
    kind = $3; text = $0; frames = 0; stack = 1
    next
}
/^(Direct|Indirect) leak of / {
    flush()
    kind = "leak"; text = $0; frames = 0; stack = 1
    next
}
kind != "" && /^ *#[0-9]+ / {
    text = text "\n" $0
    # The frame'"'"'s place: its source file, or its module in parentheses.
    if (stack)
        frame[++frames] = /\)$/ ? substr($0, match($0, /\([^(]*\)$/)) : $NF
    next
}
kind != "" && /^$/ { stack = 0 }
kind != "" && /^SUMMARY/ { flush() }
kind != "" && !/^$/ { text = text "\n" $0 }
END {
    flush()
    for (verdict in suppressed)
        printf "%d reports %s\n", suppressed[verdict], verdict
    if (failures) {
        printf "%d sanitizer reports in the project'"'"'s code\n", failures
        exit 1
    }
}' "$@"
