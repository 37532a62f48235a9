#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up and runs the whole test suite twice: as built for use,
# then built with AddressSanitizer and UndefinedBehaviorSanitizer, where any
# finding fails the test that meets it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$top/tools/setup.sh"
(cd "$top/build" && ctest --output-on-failure -j2)

bash "$top/tools/setup.sh" "$top/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DZOOT_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$top/build-sanitize" && ctest --output-on-failure -j2)
