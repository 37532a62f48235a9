#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs ZOOTfront for daily use. The launcher looks for its games in the
# Roms folder beside the program, so it is installed as an application
# folder: the program, its icon and an empty Roms folder. A menu entry goes to
# ${XDG_DATA_HOME:-~/.local/share}/applications.
#
#   bash tools/install.sh [FOLDER]              install into FOLDER (default ~/ZOOTfront),
#                                               or upgrade it: Roms, pictures and settings stay
#   bash tools/install.sh --uninstall [FOLDER]  remove the program, its icon and its menu entry;
#                                               Roms, pictures and settings stay
#
# It builds a Release in build-release/ first (installing what the build
# needs); ZOOT_BUILD_DIR names a build folder to install from instead.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

usage() {
  echo "usage: bash tools/install.sh [--uninstall] [FOLDER]" >&2
  exit 2
}

uninstall=false
if [ "${1:-}" = --uninstall ]; then
  uninstall=true
  shift
fi
[ $# -le 1 ] || usage
case "${1:-}" in -*) usage ;; esac
folder=$(realpath -m -- "${1:-$HOME/ZOOTfront}")
case "$folder" in *$'\n'*) echo "install.sh: a folder name with a line break cannot go in a menu entry" >&2; exit 2 ;; esac
program="$folder/ZOOTfront"
icon="$folder/ZOOTfront.png"
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/ZOOTfront.desktop"

# A desktop entry's Exec word: in double quotes, with ", `, $ and \ escaped,
# % doubled, and then every backslash escaped once more, as all string values
# of a desktop entry are.
exec_word() {
  local word=$1
  word=${word//\\/\\\\}
  word=${word//\"/\\\"}
  word=${word//\`/\\\`}
  word=${word//\$/\\\$}
  word=${word//%/%%}
  word=${word//\\/\\\\}
  printf '"%s"' "$word"
}

refresh_menu() {
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database "$applications" >/dev/null 2>&1 || true
  fi
}

if $uninstall; then
  if [ ! -e "$program" ]; then
    echo "install.sh: ZOOTfront is not installed in $folder" >&2
    exit 1
  fi
  rm -f -- "$program" "$icon"
  # The menu entry goes only when it starts this folder's program.
  if [ -f "$entry" ] && grep -qxF "Exec=$(exec_word "$program")" "$entry"; then
    rm -f -- "$entry"
    refresh_menu
  fi
  echo "Removed ZOOTfront from $folder; its Roms folder, pictures and settings are still there."
  exit 0
fi

if [ -n "${ZOOT_BUILD_DIR:-}" ]; then
  build=$ZOOT_BUILD_DIR
else
  build="$top/build-release"
  bash "$top/tools/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
mkdir -p -- "$folder"
cmake --install "$build" --prefix "$folder" --strip >/dev/null

mkdir -p -- "$applications"
icon_value=${icon//\\/\\\\}
cat > "$entry.part" <<ENTRY
[Desktop Entry]
Type=Application
Name=ZOOTfront
GenericName=Game Boy launcher
Comment=Pick a Game Boy game and play it in the ZOOT emulator
Exec=$(exec_word "$program")
Icon=$icon_value
Terminal=false
Categories=Game;Emulator;
ENTRY
mv -f -- "$entry.part" "$entry"
refresh_menu

echo "Installed ZOOTfront in $folder, with a menu entry in $entry."
echo "Put your games (*.gb, *.gbc, *.cgb) in $folder/Roms and background pictures (*.bmp, *.gif) in $folder."
