#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, and only
# what is missing, so a second call costs next to nothing.
set -euo pipefail

PACKAGES=(
  cmake make g++ googletest
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation
  xvfb xauth x11-utils imagemagick
  python3 dpkg-dev locales
  clang libclang-rt-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# apt-get source needs deb-src entries. Unless the machine has its own, they
# are made from its deb entries (the same addresses, suites, components and
# keyrings), so they follow whatever archive or mirror the machine uses: the
# one-line entries of the *.list files into horalto-deb-src.list, the deb822
# stanzas of the *.sources files into horalto-deb-src.sources. Made again when
# the deb entries change. apt-config names the files apt reads (APT_CONFIG
# points it at a scratch copy for a try).
eval "$(apt-config shell APT_LIST Dir::Etc::sourcelist/f APT_PARTS Dir::Etc::sourceparts/d)"
APT_PARTS=${APT_PARTS%/}
OWN_LIST="$APT_PARTS/horalto-deb-src.list"
OWN_SOURCES="$APT_PARTS/horalto-deb-src.sources"

# The machine's own one-line and deb822 source files (ours left out).
list_files() {
  local f
  for f in "$APT_LIST" "$APT_PARTS"/*.list; do
    [ -f "$f" ] && [ "$f" != "$OWN_LIST" ] && printf '%s\n' "$f"
  done
  return 0
}
sources_files() {
  local f
  for f in "$APT_PARTS"/*.sources; do
    [ -f "$f" ] && [ "$f" != "$OWN_SOURCES" ] && printf '%s\n' "$f"
  done
  return 0
}

# One-line entries of the given type ("deb" or "deb-src"), each as a deb-src line.
one_line_entries() {
  local type=$1
  list_files | while IFS= read -r f; do
    awk -v type="$type" '$1 == type { sub(/^[ \t]*[^ \t]+/, "deb-src"); print }' "$f"
  done
}

# The enabled deb822 stanzas whose Types hold the given type, each with
# "Types: deb-src" and its other fields as they are, comments left out.
stanzas() {
  local type=$1
  sources_files | while IFS= read -r f; do
    awk -v type="$type" 'BEGIN { RS = ""; FS = "\n" }
    {
      types = ""; enabled = "yes"; out = ""
      for (i = 1; i <= NF; i++) {
        line = $i
        if (line ~ /^#/) continue
        field = tolower(line)
        if (field ~ /^types:/) { types = substr(line, 7); line = "Types: deb-src" }
        else if (field ~ /^enabled:/) { enabled = tolower(substr(line, 9)); gsub(/[ \t]/, "", enabled) }
        out = out line "\n"
      }
      if (enabled != "no" && (" " types " ") ~ ("[ \t]" type "[ \t]")) printf "%s\n", out
    }' "$f"
  done
}

# Writes (or, when empty, removes) one of our files; true when it changed.
put_own() {
  local file=$1 text=$2
  if [ -z "$text" ]; then
    [ -e "$file" ] || return 1
    $SUDO rm -f "$file"
    return 0
  fi
  text="# Made by Horalto's scripts/install-deps.sh from this machine's deb entries.
$text"
  [ "$(cat "$file" 2>/dev/null)" = "$text" ] && return 1
  printf '%s\n' "$text" | $SUDO tee "$file" >/dev/null
}

need_update=0
if [ -z "$(one_line_entries deb-src)$(stanzas deb-src)" ]; then
  src_list=$(one_line_entries deb)
  src_stanzas=$(stanzas deb)
  if [ -z "$src_list$src_stanzas" ]; then
    echo "install-deps: no deb entries in $APT_LIST or $APT_PARTS to make deb-src entries from" >&2
    exit 1
  fi
  put_own "$OWN_LIST" "$src_list" && need_update=1
  put_own "$OWN_SOURCES" "$src_stanzas" && need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  echo "install-deps: installing ${missing[*]:-(source index only)}"
  $SUDO apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# Wine takes its code page and file-name encoding from the host locale: without a
# generated ru_RU.UTF-8, Cyrillic file names cannot be created under Wine.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "install-deps: generating the ru_RU.UTF-8 locale"
  $SUDO localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
