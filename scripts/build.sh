#!/usr/bin/env bash
# Configures and builds Pannix in build/ with both cores.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
