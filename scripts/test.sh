#!/bin/sh
# Installs what is missing, builds and runs every test under a virtual display
# (the fuzz targets over their seed corpora among them), then runs the whole
# suite again in a build with sanitizers (scripts/sanitize.sh). Compiler
# warnings in the project's code fail both builds.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh -DYURB_WARNINGS_AS_ERRORS=ON
(cd build && xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)")
./scripts/sanitize.sh -DYURB_WARNINGS_AS_ERRORS=ON
