#!/bin/sh
# Configures and builds the program and its tests into ./build; further
# arguments go to CMake's configure step.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel
