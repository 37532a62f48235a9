#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs ZOOTfront for daily use. The launcher looks for its games in the
# Roms folder beside the program, so it is installed as an application
# folder: the program, its icon and an empty Roms folder. A menu entry goes to
# ${XDG_DATA_HOME:-~/.local/share}/applications.
#
#   bash tools/install.sh [FOLDER]              install into FOLDER (default ~/ZOOTfront),
#                                               or upgrade it: Roms, pictures and settings stay
#   bash tools/install.sh --uninstall [FOLDER]  remove the files the install wrote and its menu
#                                               entry; Roms, pictures and settings stay
#
# Before it builds or writes anything it refuses a folder whose path the menu
# entry cannot carry plainly (a %, a backslash, a control character, bytes
# that are not UTF-8) and a folder where something other than a file already
# has the name of a file it installs.
#
# It builds a Release in build-release/ first (installing what the build
# needs); ZOOT_BUILD_DIR names a build folder to install from instead.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

usage() {
  echo "usage: bash tools/install.sh [--uninstall] [FOLDER]" >&2
  exit 2
}

refuse() {
  echo "install.sh: $*" >&2
  exit 2
}

uninstall=false
if [ "${1:-}" = --uninstall ]; then
  uninstall=true
  shift
fi
[ $# -le 1 ] || usage
case "${1:-}" in -*) usage ;; esac
# Checked before realpath, whose $(…) would drop a line break at the end.
case "${1:-}" in *$'\n'*) refuse "cannot install into a folder whose path holds a line break, which a menu entry cannot carry plainly" ;; esac
folder=$(realpath -m -- "${1:-$HOME/ZOOTfront}")
program="$folder/ZOOTfront"
icon="$folder/ZOOTfront.png"
# The files an install wrote, one name a line relative to the folder, so that
# --uninstall removes those and nothing else, wherever the folder has moved.
# A dot file: the folder is the user's, with their pictures beside the program.
manifest="$folder/.ZOOTfront-install-manifest"
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

# A regular file, not a link to one.
is_file() { [ -f "$1" ] && [ ! -L "$1" ]; }

# What in a path a menu entry cannot carry plainly, if anything. An entry with
# a doubled % passes desktop-file-validate, yet GLib will not load it, so
# GNOME's menus drop it; CMake takes a backslash in the prefix for a folder
# separator; control characters and bytes that are not UTF-8 make the entry
# invalid. (iconv checks UTF-8 by converting it to UTF-32: from UTF-8 to UTF-8
# it lets code points past U+10FFFF through.)
unplain() {
  local LC_ALL=C
  case "$1" in
    *%*) echo "a percent sign (%)" ;;
    *\\*) echo "a backslash (\\)" ;;
    *$'\t'*) echo "a tab" ;;
    *$'\r'*) echo "a carriage return" ;;
    *[[:cntrl:]]*) echo "a control character" ;;
    *) printf '%s' "$1" | iconv -f UTF-8 -t UTF-32 >/dev/null 2>&1 || echo "a byte that is not UTF-8" ;;
  esac
}

refresh_menu() {
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database "$applications" >/dev/null 2>&1 || true
  fi
}

if $uninstall; then
  if is_file "$manifest"; then
    names=()
    while IFS= read -r name || [ -n "$name" ]; do names+=("$name"); done < "$manifest"
  elif is_file "$program"; then
    # Installed by an earlier install.sh, which kept no list.
    names=(ZOOTfront ZOOTfront.png)
  else
    echo "install.sh: ZOOTfront is not installed in $folder" >&2
    exit 1
  fi
  # Only files, and only inside the folder: a name that is now a folder, or
  # gone, is left alone.
  for name in "${names[@]}"; do
    case "/$name/" in //* | */../*) continue ;; esac
    if is_file "$folder/$name"; then rm -f -- "$folder/$name"; fi
  done
  if is_file "$manifest"; then rm -f -- "$manifest"; fi
  # The menu entry goes only when it starts this folder's program.
  if [ -f "$entry" ] && grep -qxF "Exec=$(exec_word "$program")" "$entry"; then
    rm -f -- "$entry"
    refresh_menu
  fi
  echo "Removed ZOOTfront from $folder; its Roms folder, pictures and settings are still there."
  exit 0
fi

what=$(unplain "$folder")
[ -z "$what" ] || refuse "cannot install into ${folder@Q}: its path holds $what, which a menu entry cannot carry plainly"
[ ! -e "$folder" ] || [ -d "$folder" ] || refuse "cannot install into ${folder@Q}: it is not a folder"
# What it writes goes over files only, never over a folder or a link.
for path in "$program" "$icon" "$manifest"; do
  if { [ -e "$path" ] || [ -L "$path" ]; } && ! is_file "$path"; then
    kind="not a regular file"
    if [ -d "$path" ]; then kind="a folder"; fi
    refuse "cannot install into ${folder@Q}: ${path@Q} is $kind"
  fi
done
[ ! -e "$folder/Roms" ] || [ -d "$folder/Roms" ] || refuse "cannot install into ${folder@Q}: its Roms is not a folder"

if [ -n "${ZOOT_BUILD_DIR:-}" ]; then
  build=$ZOOT_BUILD_DIR
else
  build="$top/build-release"
  bash "$top/tools/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
mkdir -p -- "$folder"
cmake --install "$build" --prefix "$folder" --strip >/dev/null

# CMake lists what it installed as absolute paths ("FOLDER/./ZOOTfront"); the
# list keeps them relative, with what an earlier install listed.
{
  if is_file "$manifest"; then cat -- "$manifest"; fi
  while IFS= read -r path || [ -n "$path" ]; do
    name=${path#"$folder/"}
    [ "$name" != "$path" ] || { echo "install.sh: CMake installed $path outside $folder" >&2; exit 1; }
    while [ "${name#./}" != "$name" ]; do name=${name#./}; done
    printf '%s\n' "$name"
  done < "$build/install_manifest.txt"
} | LC_ALL=C sort -u > "$manifest.part"
mv -f -- "$manifest.part" "$manifest"

mkdir -p -- "$applications"
cat > "$entry.part" <<ENTRY
[Desktop Entry]
Type=Application
Name=ZOOTfront
GenericName=Game Boy launcher
Comment=Pick a Game Boy game and play it in the ZOOT emulator
Exec=$(exec_word "$program")
Icon=$icon
Terminal=false
Categories=Game;Emulator;
ENTRY
mv -f -- "$entry.part" "$entry"
refresh_menu

echo "Installed ZOOTfront in $folder, with a menu entry in $entry."
echo "Put your games (*.gb, *.gbc, *.cgb) in $folder/Roms and background pictures (*.bmp, *.gif) in $folder."
