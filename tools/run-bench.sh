#!/usr/bin/env bash
# Sets everything up and runs the scan benchmark (about two minutes on two cores).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"
QT_QPA_PLATFORM=offscreen "$top/build/bench/zoot-scan-bench" "$@"
