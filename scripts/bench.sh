#!/usr/bin/env bash
# Installs what is missing, builds Pannix and runs the benchmarks (headless); prints one table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/bench/pannix_bench "$@"
