#!/bin/sh
# Installs what is missing, builds and runs every test under a virtual display.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh -DYURB_WARNINGS_AS_ERRORS=ON
cd build
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 600
