#!/bin/sh
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-asan (apart from ./build), runs every
# test there and fails on any report in the project's code (see
# scripts/sanitizer-reports.sh). Further arguments go to CMake's configure
# step. The benchmarks and fuzz targets are left out of this build.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DYURB_SANITIZE=ON -DYURB_BENCH=OFF -DYURB_FUZZ=OFF "$@"
cmake --build build-asan --parallel
rm -rf build-asan/sanitizer-reports
mkdir -p build-asan/sanitizer-reports
(cd build-asan && xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)")
./scripts/sanitizer-reports.sh build-asan/sanitizer-reports . build-asan
