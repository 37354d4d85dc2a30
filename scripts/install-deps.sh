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

# apt-get source needs a deb-src entry for Debian's own archive.
SRC_LIST=/etc/apt/sources.list.d/horalto-deb-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  $SUDO tee "$SRC_LIST" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
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
