#!/bin/sh
# Runs scripts/sanitizer-reports.sh on report folders made here and checks
# its verdict: a clean run passes, a report in the project's code fails it, a
# library's own report does not.
#   tests/sanitizers/tst_sanitizerreports.sh <source folder>
set -u
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/build"
failed=0

# judge <expected exit status> <case> [report text]: an empty text leaves the
# folder without any report.
judge() {
    rm -rf "$work/reports"
    mkdir "$work/reports"
    [ -z "${3-}" ] || printf '%s\n' "$3" > "$work/reports/tst_case.1234"
    "$source/scripts/sanitizer-reports.sh" "$work/reports" "$source" "$work/build" \
        > "$work/out" 2>&1
    status=$?
    if [ "$status" -ne "$1" ]; then
        echo "FAIL: $2: exit status $status, expected $1"
        cat "$work/out"
        failed=1
    else
        echo "PASS: $2"
    fi
}

judge 0 "an empty folder is a clean run"

judge 1 "a use after free in the project's sources" "\
==1234==ERROR: AddressSanitizer: heap-use-after-free on address 0x6020 at pc 0x55 bp 0x7f sp 0x7f
READ of size 8 at 0x6020 thread T0
    #0 0x55 in MainWindow::closeDialog() $source/app/mainwindow.cpp:42
    #1 0x7f in QObject::event(QEvent*) (/lib/x86_64-linux-gnu/libQt6Core.so.6+0x1)

SUMMARY: AddressSanitizer: heap-use-after-free $source/app/mainwindow.cpp:42"

judge 0 "Qt's own leak" "\
==1234==ERROR: LeakSanitizer: detected memory leaks

Direct leak of 24 byte(s) in 1 object(s) allocated from:
    #0 0x7f in operator new(unsigned long) ../../../../src/libsanitizer/asan/asan_new_delete.cpp:95
    #1 0x7f in QThreadData::current(bool) (/lib/x86_64-linux-gnu/libQt6Core.so.6+0x3)
    #2 0x55 in main $source/app/main.cpp:10

SUMMARY: AddressSanitizer: 24 byte(s) leaked in 1 allocation(s)."

judge 1 "a library error of a kind not suppressed for it, under the project's frame" "\
==1234==ERROR: AddressSanitizer: heap-use-after-free on address 0x6020 at pc 0x7f bp 0x7f sp 0x7f
READ of size 8 at 0x6020 thread T0
    #0 0x7f in QObject::thread() const (/lib/x86_64-linux-gnu/libQt6Core.so.6+0x4)
    #1 0x55 in MainWindow::closeDialog() $source/app/mainwindow.cpp:42

SUMMARY: AddressSanitizer: heap-use-after-free"

exit $failed
