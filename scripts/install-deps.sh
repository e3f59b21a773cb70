#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its tools need (as root, or through
# sudo). Packages already present are not fetched again.
set -euo pipefail
packages=(
  g++ cmake ninja-build            # build
  qt6-base-dev                     # Qt Widgets, PrintSupport, Test and their CMake files
  libsqlite3-dev libicu-dev        # table storage and the Portuguese collation
  sqlite3                          # the stock shell: the tests check the files with it
  fonts-liberation2                # Arial for the printed listings
  qt6-translations-l10n            # standard dialogs in Portuguese
  qt6-svg-dev                      # the SVG icons of the tool bar and buttons
  xvfb poppler-utils               # screenshots of the windows, pages of the printed PDFs
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
