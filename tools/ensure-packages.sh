#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, but only those that are missing,
# so that a machine that already has them never touches apt.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy-22
  fonts-liberation fonts-dejavu-core
  xvfb xauth poppler-utils
  libcups2-dev cups cups-client printer-driver-cups-pdf
  librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream bash-completion groff-base
  ccache hyperfine
  strace bindfs e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
