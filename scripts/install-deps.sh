#!/usr/bin/env bash
# Installs the Debian packages both products need; does nothing when all are present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  fonts-liberation2
  libsqlite3-dev sqlite3
  libsndfile1-dev libmpg123-dev portaudio19-dev
  googletest libgtest-dev
  xvfb xauth
  g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 libwine-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
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
