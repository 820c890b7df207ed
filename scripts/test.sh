#!/usr/bin/env bash
# Installs what is missing, builds Pannix and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
# The same suites again under AddressSanitizer and UndefinedBehaviorSanitizer (label "sanitizer"), and
# every fuzz target for its bounded time (label "fuzz"), built with clang in build-sanitized/.
scripts/build-sanitized.sh
(cd build-sanitized && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
# The Windows build: every suite but the end-to-end one under Wine, then the installed program. One at a
# time: a program starts slowly under Wine, and two suites at once can exceed a test's own deadlines.
# Wine now and then refuses to create a process ("Process failed to start: Internal error"), which no
# Windows does; a suite that fails is run once more, so that only a failure seen twice fails the run.
scripts/build-windows.sh
cd build-windows/win
status=0
xvfb-run -a ctest --output-on-failure --repeat until-pass:2 || status=$?
# Whatever a suite left running under Wine ends with the run, not after it.
for prefix in tests/wine-prefix tests/wine-prefix-installed; do
    [ -d "$prefix" ] && WINEPREFIX=$PWD/$prefix wineserver -k 2> /dev/null || true
done
exit $status
