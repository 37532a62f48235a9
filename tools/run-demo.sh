#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, prepares a demo application folder in build/demo (the
# program beside a Roms folder of generated games and two pictures) and starts
# the launcher there. When no ZOOT emulator is installed, a stand-in that only
# reports the command line it was given is put first on PATH.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"

demo="$top/build/demo"
rm -rf "$demo"
mkdir -p "$demo"
"$top/build/tools/zoot-demo-folder" "$demo"
cp "$top/build/ZOOTfront" "$demo/"

if ! command -v ZOOT >/dev/null; then
  mkdir -p "$demo/stand-in"
  cat > "$demo/stand-in/ZOOT" <<'STANDIN'
#!/bin/sh
# Stand-in for the ZOOT emulator: reports what it was asked to run.
{ printf 'ZOOT stand-in started in %s with %d argument(s):' "$(pwd)" "$#"; printf ' [%s]' "$@"; echo; } | tee -a "$(dirname "$0")/calls.log"
STANDIN
  chmod +x "$demo/stand-in/ZOOT"
  export PATH="$demo/stand-in:$PATH"
  echo "No ZOOT emulator installed: the stand-in in $demo/stand-in reports each launch here."
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the launcher cannot open its window." >&2
  echo "The demo folder is ready in $demo; start $demo/ZOOTfront from a desktop session." >&2
  exit 1
fi
echo "Starting $demo/ZOOTfront"
exec "$demo/ZOOTfront"
