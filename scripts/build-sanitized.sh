#!/usr/bin/env bash
# Configures and builds Pannix with clang under AddressSanitizer and UndefinedBehaviorSanitizer, with its
# fuzz targets, in build-sanitized/ with both cores.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPANNIX_SANITIZE=ON -DPANNIX_BUILD_BENCH=OFF
cmake --build build-sanitized -j2
