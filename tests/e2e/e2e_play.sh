#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end: the real program under Xvfb in a temporary application folder,
# a stand-in ZOOT first on PATH that records its arguments, "AdLib" and "Play"
# pressed with real X pointer events; then the stand-in's arguments and the
# saved settings file are checked, and that the launcher is still open with
# nothing in its log from the sanitizers (when built with them).
# The window must carry its icon on the X server.
# Usage: e2e_play.sh BUILD_DIR. Exit 77 (skipped) when Xvfb, xdotool or xprop is missing.
set -euo pipefail
build=$1

for tool in Xvfb xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (tools/setup.sh installs it), so the end-to-end test cannot run."
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

app="$work/app folder"
mkdir -p "$app" "$work/bin" "$work/config"
"$build/tools/zoot-demo-folder" "$app"
cp "$build/ZOOTfront" "$app/"
cat > "$work/bin/ZOOT" <<'STANDIN'
#!/bin/sh
out="$ZOOT_E2E_ARGS"
: > "$out.part"
for a in "$@"; do printf '%s\n' "$a" >> "$out.part"; done
mv "$out.part" "$out"
STANDIN
chmod +x "$work/bin/ZOOT"

# Xvfb picks a free display and writes its number to the descriptor given.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_CONFIG_HOME="$work/config"
export ZOOT_E2E_ARGS="$work/args"
PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb "$app/ZOOTfront" >"$work/program.log" 2>&1 &
launcher=$!
pids+=($launcher)

window=$(timeout 20 xdotool search --sync --onlyvisible --name "brindle's ZOOTfront" | head -n1) \
  || fail "the launcher window did not appear: $(cat "$work/program.log")"
sleep 1

xprop -id "$window" _NET_WM_ICON | head -c 200 | grep -q 'Icon (32 x 32)' \
  || fail "the window carries no 32x32 icon: $(xprop -id "$window" _NET_WM_ICON | head -c 200)"

# Client coordinates in pixels: "AdLib" inside the Sound frame, then "Play".
xdotool mousemove --window "$window" 190 208 click 1
sleep 0.3
xdotool mousemove --window "$window" 292 340 click 1

for _ in $(seq 100); do [ -f "$work/args" ] && break; sleep 0.1; done
[ -f "$work/args" ] || fail "the stand-in emulator was not started: $(cat "$work/program.log")"

expected="$app/Roms/untitled homebrew.gb
-sound
1
-video
0"
[ "$(cat "$work/args")" = "$expected" ] || fail "the emulator got:
$(cat "$work/args")
expected:
$expected"

conf="$work/config/ZOOTfront/ZOOTfront.conf"
[ -f "$conf" ] || fail "no settings file at $conf"
for line in "[Options]" "SoundOption=1" "CgbOption=0" "ResCombo=0" "VolumeSlider=10" "StereoCombo=1" "AltCmdText=SNESKey ZOOT /a"; do
  grep -qxF "$line" "$conf" || fail "the settings file lacks '$line':
$(cat "$conf")"
done
# Under the sanitizers a finding ends the program and is written to its log;
# a second lets what the launch set off run.
sleep 1
! grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$work/program.log" \
  || fail "the sanitizers found a fault: $(cat "$work/program.log")"
kill -0 "$launcher" 2>/dev/null || fail "the launcher did not stay open after the launch: $(cat "$work/program.log")"
echo "PASS: the emulator got the chosen game and options, and the settings were saved"
