#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up and draws the main window on the demo folder into
# docs/screenshot.png, without a display.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
"$top/build/tools/zoot-demo-folder" "$demo"
mkdir -p "$top/docs"
QT_QPA_PLATFORM=offscreen "$top/build/tools/zoot-screenshot" "$demo" "$top/docs/screenshot.png"
echo "Wrote $top/docs/screenshot.png"
