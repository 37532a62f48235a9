#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the built program into a temporary application folder whose path
# needs quoting, with a temporary HOME and XDG_DATA_HOME: checks the folder,
# the menu entry (desktop-file-validate, and gio launch when gio is there), the
# command line without a display, an upgrade that keeps what the user put
# there, an uninstall that removes only what the install wrote, and folders
# that are refused before anything is written.
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
manifest="$folder/.ZOOTfront-install-manifest"
install() { ZOOT_BUILD_DIR="$build" bash "$source/tools/install.sh" "$@" >/dev/null; }
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

# Folders a menu entry cannot carry plainly are refused before anything is
# written, inside the folder or beside it (a backslash once made back/slash).
refused=('100%' 'a percent sign (%)' 'back\slash' 'a backslash' $'tab\there' 'a tab'
  $'cr\rhere' 'a carriage return' $'bell\a' 'a control character' $'del\x7f' 'a control character'
  $'latin\xe9' 'a byte that is not UTF-8' $'past\xf4\x90\x80\x80' 'a byte that is not UTF-8' $'nl\n' 'a line break')
for ((i = 0; i < ${#refused[@]}; i += 2)); do
  status=0
  message=$(install "$work/refused/${refused[i]}" 2>&1) || status=$?
  [ "$status" = 2 ] && [[ $message == *"holds ${refused[i + 1]}"* ]] || fail "${refused[i]@Q} exits $status: $message"
  [ ! -e "$work/refused" ] && [ ! -e "$XDG_DATA_HOME" ] || fail "${refused[i]@Q} was refused, yet wrote: $(find "$work/refused" "$XDG_DATA_HOME" 2>&1)"
done

# So is a folder where Roms is a file, or ZOOTfront a link to nowhere.
mkdir -p "$work/odd/a" "$work/odd/b" && echo x > "$work/odd/a/Roms" && ln -s nowhere "$work/odd/b/ZOOTfront"
for odd in "$work/odd/a" "$work/odd/b"; do
  status=0
  install "$odd" 2>/dev/null || status=$?
  [ "$status" = 2 ] && [ "$(ls -A "$odd" | wc -l)" = 1 ] || fail "${odd@Q} exits $status and now holds $(ls -A "$odd")"
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
[ "$(cat "$manifest")" = $'ZOOTfront\nZOOTfront.png' ] || fail "wrong list of installed files: $(cat "$manifest")"
# GLib (and so GNOME's menu) loads the entry and starts this folder's program
# from it; an entry GLib cannot load makes gio exit 1, "Unable to load ...".
if command -v gio >/dev/null; then
  status=0
  message=$(no_display gio launch "$entry" 2>&1) || status=$?
  [ "$status" = 0 ] && [[ $message == *"neither DISPLAY nor WAYLAND_DISPLAY is set"* ]] || fail "gio launch exits $status: $message"
else
  echo "gio is not installed: not checking that GLib can launch the menu entry"
fi

# The command line answers without a display.
[ "$(no_display "$folder/ZOOTfront" --version)" = "ZOOTfront 1.4.1" ] || fail "--version"
no_display "$folder/ZOOTfront" --help | grep -q -- "--version" || fail "--help"
status=0
no_display "$folder/ZOOTfront" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option exits $status, not 2"
status=0
message=$(no_display "$folder/ZOOTfront" 2>&1) || status=$?
[ "$status" = 1 ] || fail "without a display the program exits $status, not 1"
case "$message" in *"neither DISPLAY nor WAYLAND_DISPLAY is set"*) ;; *) fail "without a display: $message" ;; esac

# An upgrade keeps the games, the pictures and the settings, and the files
# an earlier install listed: here notes.txt, one already gone, and a name
# outside the folder that must never be removed.
echo game > "$folder/Roms/game.gb"
echo picture > "$folder/back.bmp"
mkdir -p "$HOME/.config/ZOOTfront" && echo "[Options]" > "$HOME/.config/ZOOTfront/ZOOTfront.conf"
echo notes > "$folder/notes.txt" && echo keep > "$work/my games/keep.txt"
printf 'notes.txt\ngone.txt\n../keep.txt\n' >> "$manifest"
install "$folder"
[ "$(cat "$folder/Roms/game.gb")" = game ] || fail "the upgrade lost a game"
[ -f "$folder/back.bmp" ] && [ -f "$HOME/.config/ZOOTfront/ZOOTfront.conf" ] || fail "the upgrade lost a picture or the settings"

# Uninstalling removes the listed files, skipping one that is now a folder,
# and leaves the rest, and the menu entry when it starts another copy.
rm "$folder/ZOOTfront.png" && mkdir "$folder/ZOOTfront.png"
install "$work/other copy"
install --uninstall "$folder" || fail "the uninstall failed"
[ ! -e "$folder/ZOOTfront" ] && [ ! -e "$folder/notes.txt" ] && [ ! -e "$manifest" ] ||
  fail "the uninstall left the program, a listed file or the list"
grep -qF "$work/other copy/ZOOTfront" "$entry" || fail "the uninstall removed the menu entry of another copy"
[ -d "$folder/ZOOTfront.png" ] && [ -f "$work/my games/keep.txt" ] || fail "the uninstall removed a folder or a file outside"
[ "$(cat "$folder/Roms/game.gb")" = game ] && [ -f "$folder/back.bmp" ] || fail "the uninstall removed a game or a picture"
[ -f "$HOME/.config/ZOOTfront/ZOOTfront.conf" ] || fail "the uninstall removed the settings"

# Into ~/ZOOTfront by default; naming ~ afterwards is refused, as a folder
# ZOOTfront is there, and uninstalling from ~ removes nothing, not even a
# ZOOTfront.png the install did not write.
install
echo mine > "$HOME/ZOOTfront.png" && cp "$entry" "$work/entry"
status=0
install "$HOME" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "installing beside a folder ZOOTfront exits $status, not 2"
status=0
install --uninstall "$HOME" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "uninstalling from a folder without an install exits $status, not 1"
[ -x "$HOME/ZOOTfront/ZOOTfront" ] && [ "$(cat "$HOME/ZOOTfront.png")" = mine ] && cmp -s "$entry" "$work/entry" ||
  fail "a refused install or uninstall in ~ changed the install, the menu entry or ~/ZOOTfront.png"
[ ! -e "$HOME/Roms" ] && [ ! -e "$HOME/.ZOOTfront-install-manifest" ] || fail "a refused install wrote into ~"
# Without the list, as after an earlier install.sh, the program and the icon go.
rm "$HOME/ZOOTfront/.ZOOTfront-install-manifest"
install --uninstall || fail "the uninstall from ~/ZOOTfront failed"
[ ! -e "$HOME/ZOOTfront/ZOOTfront" ] && [ ! -e "$HOME/ZOOTfront/ZOOTfront.png" ] && [ ! -e "$entry" ] &&
  [ "$(cat "$HOME/ZOOTfront.png")" = mine ] || fail "the uninstall from ~/ZOOTfront removed too little or too much"
echo "PASS: refused folders; installed, upgraded and uninstalled in \"$folder\" and in ~/ZOOTfront"
