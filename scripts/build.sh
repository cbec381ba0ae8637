#!/usr/bin/env bash
# Configures and builds into build/ (pass extra CMake options as arguments).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja "$@" >/dev/null
cmake --build build -j"$(nproc)"
