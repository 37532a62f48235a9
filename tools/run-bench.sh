#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, with libfuse3 for the latency file system, and runs the
# scan benchmark (about a minute on two cores). The cold-cache part needs root,
# the latency part /dev/fuse; each says so and is skipped without them.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZOOT_EXTRA_PACKAGES="libfuse3-dev fuse3 pkg-config" bash "$top/tools/setup.sh"
QT_QPA_PLATFORM=offscreen "$top/build/bench/zoot-scan-bench" "$@"
