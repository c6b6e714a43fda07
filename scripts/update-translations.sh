#!/bin/sh
# Refreshes the program's translation catalogues from the sources and forms.
# Translators then fill the new entries of transSimpleChinese.ts; the English
# catalogue stays without translations (the source texts are English).
set -e
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
sources="app serial positioning sensors protocols converters"
for pair in en_US:transEnglish zh_CN:transSimpleChinese; do
    "$lupdate" -silent -locations none -no-obsolete -disable-heuristic sametext \
        -disable-heuristic similartext $sources \
        -target-language "${pair%%:*}" -ts "resources/translations/${pair#*:}.ts"
done
