#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows build and its tests need on Debian 12, but only what is missing: the
# MinGW-w64 compiler, Wine, NSIS, GoogleTest's sources, the virtual display, a window manager and
# their tools, the print server with a PDF printer that Wine's spooler prints on, and the
# deb-src entry that lets apt fetch Qt's source; and the Polish and English locales, under which
# Wine plays a Polish and an English Windows.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix wine64 wine nsis googletest
  cmake ninja-build ccache dpkg-dev
  xvfb xauth xdotool openbox imagemagick poppler-utils fonts-liberation librsvg2-bin
  cups cups-client printer-driver-cups-pdf python3
  qt6-base-dev qt6-base-dev-tools locales
)

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi

sources=/etc/apt/sources.list.d/debian-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding $sources for apt-get source"
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
    "${as_root[@]}" tee "$sources" >/dev/null
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

export DEBIAN_FRONTEND=noninteractive
if ((${#missing[@]} > 0)); then
  echo "Installing missing packages: ${missing[*]}"
  need_update=1
fi
if ((need_update)); then
  "${as_root[@]}" apt-get update -q
fi
if ((${#missing[@]} > 0)); then
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its language and its file names' encoding from the locale, which glibc must know.
for locale in pl_PL en_GB; do
  if ! locale -a | grep -qx "$locale.utf8"; then
    echo "Making the locale $locale.UTF-8"
    "${as_root[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
