#!/usr/bin/env bash
# Installs the Debian packages of the named groups; does nothing when all are present.
#   install-deps.sh varnook          to build and run Varnook
#   install-deps.sh varnook tests    and to build and run its tests
#   install-deps.sh sorvane          to cross-build Sorvane and test it under Wine
set -euo pipefail

declare -A groups=(
  [varnook]="cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation2 qt6-translations-l10n
             libsqlite3-dev libsndfile1-dev libmpg123-dev libflac-dev libvorbis-dev
             libogg-dev portaudio19-dev"
  [tests]="googletest libgtest-dev sqlite3 clang-format"
  [sorvane]="cmake make g++ g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 libwine-dev"
)

missing=()
for group in "$@"; do
  [ -n "${groups[$group]+set}" ] || { echo "install-deps.sh: no group '$group'" >&2; exit 2; }
  for p in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
