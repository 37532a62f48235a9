#!/usr/bin/env bash
# Sets everything up and runs the whole test suite.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"
cd "$top/build"
ctest --output-on-failure -j2
