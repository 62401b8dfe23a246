#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need (Debian 12).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config gzip libgtest-dev libgmock-dev libbenchmark-dev
          freeglut3-dev libglew-dev libx11-dev console-data xvfb xauth xdotool x11-apps)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
