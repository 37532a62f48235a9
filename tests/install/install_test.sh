#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the built program into a temporary application folder whose path
# needs quoting, with a temporary HOME and XDG_DATA_HOME: checks the folder,
# the menu entry (desktop-file-validate), the command line without a display,
# an upgrade that keeps what the user put there, an uninstall that leaves it,
# and folders that are refused before anything is written.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR. Exit 77 (skipped) without desktop-file-validate.
set -euo pipefail
source=$1
build=$2
command -v desktop-file-validate >/dev/null || { echo "SKIPPED: desktop-file-validate is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

export HOME="$work/home" XDG_DATA_HOME="$work/data"
folder="$work/my games/ZOOT \$front \"1\" \`2\`"
entry="$XDG_DATA_HOME/applications/ZOOTfront.desktop"
install() { ZOOT_BUILD_DIR="$build" bash "$source/tools/install.sh" "$@" >/dev/null; }

# Folders a menu entry cannot carry plainly are refused before anything is
# written, inside the folder or beside it (a backslash once made back/slash).
refused=('100%' 'a percent sign (%)' 'back\slash' 'a backslash' $'tab\there' 'a tab'
  $'cr\rhere' 'a carriage return' $'bell\a' 'a control character' $'del\x7f' 'a control character'
  $'latin\xe9' 'a byte that is not UTF-8' $'past\xf4\x90\x80\x80' 'a byte that is not UTF-8')
for ((i = 0; i < ${#refused[@]}; i += 2)); do
  status=0
  message=$(install "$work/refused/${refused[i]}" 2>&1) || status=$?
  [ "$status" = 2 ] && [[ $message == *"holds ${refused[i + 1]}"* ]] || fail "${refused[i]@Q} exits $status: $message"
  [ ! -e "$work/refused" ] && [ ! -e "$XDG_DATA_HOME" ] || fail "${refused[i]@Q} was refused, yet wrote: $(find "$work/refused" "$XDG_DATA_HOME" 2>&1)"
done

install "$folder"
[ -x "$folder/ZOOTfront" ] || fail "no program in $folder"
[ -d "$folder/Roms" ] || fail "no Roms folder in $folder"
[ -s "$folder/ZOOTfront.png" ] || fail "no icon in $folder"
[ -f "$entry" ] || fail "no menu entry at $entry"
desktop-file-validate "$entry" || fail "the menu entry is not valid: $(cat "$entry")"
grep -qxF 'Exec="'"$work"'/my games/ZOOT \\$front \\"1\\" \\`2\\`/ZOOTfront"' "$entry" || fail "wrong Exec line: $(grep Exec "$entry")"
grep -qxF "Icon=$folder/ZOOTfront.png" "$entry" || fail "wrong Icon line: $(grep Icon "$entry")"
grep -qxF "Categories=Game;Emulator;" "$entry" || fail "wrong categories"

# The command line answers without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$folder/ZOOTfront" --version)" = "ZOOTfront 1.4.1" ] || fail "--version"
env -u DISPLAY -u WAYLAND_DISPLAY "$folder/ZOOTfront" --help | grep -q -- "--version" || fail "--help"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$folder/ZOOTfront" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option exits $status, not 2"
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$folder/ZOOTfront" 2>&1) || status=$?
[ "$status" = 1 ] || fail "without a display the program exits $status, not 1"
case "$message" in *"neither DISPLAY nor WAYLAND_DISPLAY is set"*) ;; *) fail "without a display: $message" ;; esac

# An upgrade keeps the games, the pictures and the settings.
echo game > "$folder/Roms/game.gb"
echo picture > "$folder/back.bmp"
mkdir -p "$HOME/.config/ZOOTfront" && echo "[Options]" > "$HOME/.config/ZOOTfront/ZOOTfront.conf"
install "$folder"
[ "$(cat "$folder/Roms/game.gb")" = game ] || fail "the upgrade lost a game"
[ -f "$folder/back.bmp" ] && [ -f "$HOME/.config/ZOOTfront/ZOOTfront.conf" ] || fail "the upgrade lost a picture or the settings"

# Uninstalling leaves them too.
ZOOT_BUILD_DIR="$build" bash "$source/tools/install.sh" --uninstall "$folder" >/dev/null
[ ! -e "$folder/ZOOTfront" ] && [ ! -e "$folder/ZOOTfront.png" ] && [ ! -e "$entry" ] || fail "the uninstall left the program, icon or menu entry"
[ "$(cat "$folder/Roms/game.gb")" = game ] && [ -f "$folder/back.bmp" ] || fail "the uninstall removed a game or a picture"
[ -f "$HOME/.config/ZOOTfront/ZOOTfront.conf" ] || fail "the uninstall removed the settings"
echo "PASS: installed, upgraded and uninstalled in \"$folder\""
