#!/bin/sh
# Nothing of the program's runs on Qt's global thread pool: Qt's painting
# waits for that pool, so a task of ours that blocks there freezes the
# window. Every QtConcurrent call names the program's own pool
# (WorkerPool::instance()), and no code takes QThreadPool::globalInstance().
#   tests/app/tst_poolrule.sh <source folder>
set -u
cd "$1" || exit 1
found=$(perl -0777 -ne '
    while (/QtConcurrent::(?!run\s*\(\s*WorkerPool::instance\(\))\w+|QThreadPool::globalInstance/g) {
        my $line = 1 + (substr($_, 0, pos($_)) =~ tr/\n//);
        print "$ARGV:$line: $&\n";
    }' $(find app serial positioning sensors protocols converters bench -name '*.cpp' -o -name '*.h'))
if [ -n "$found" ]; then
    printf 'On Qt'"'"'s global pool:\n%s\n' "$found"
    exit 1
fi
