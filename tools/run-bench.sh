#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, with libfuse3 for the latency file system and libxcb's
# headers for the window timing, and runs the benchmarks:
#   window  the empty start-up against a bare Qt window of the same size and
#           caption, on an Xvfb of its own (about half a minute)
#   scan    the scan against the file-system floor (about a minute on two
#           cores); the cold-cache part needs root, the latency part /dev/fuse
# Each part says why when it is skipped.
# Usage: run-bench.sh [window|scan]   (both when none is named)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench=$top/build/bench
parts=${1:-window scan}
ZOOT_EXTRA_PACKAGES="libfuse3-dev fuse3 pkg-config libxcb1-dev" bash "$top/tools/setup.sh"

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

window() {
  echo "Empty start-up against a bare Qt window"
  if ! command -v Xvfb >/dev/null; then
    echo "skipped: Xvfb is not installed."
    return
  fi
  if [ ! -x "$bench/zoot-map-time" ]; then
    echo "skipped: zoot-map-time was not built (libxcb1-dev is missing)."
    return
  fi
  # Xvfb picks a free display and writes its number to the descriptor given.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  if [ ! -s "$work/display" ]; then
    echo "skipped: Xvfb did not start: $(cat "$work/xvfb.log")"
    return
  fi
  DISPLAY=":$(head -n1 "$work/display")" "$bench/zoot-map-time" "$bench/zoot-bare-window" "$top/build/ZOOTfront"
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}

scan() {
  echo "Scan against the file-system floor"
  QT_QPA_PLATFORM=offscreen "$bench/zoot-scan-bench"
}

for part in $parts; do
  case $part in
    window | scan) "$part"; echo ;;
    *) echo "Usage: $0 [window|scan]" >&2; exit 2 ;;
  esac
done
