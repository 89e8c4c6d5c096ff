#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine and builds Fortwright (incremental when nothing
# changed). Sourced by start.sh and test.sh; safe to run on its own.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6svg6 libzip-dev libgtest-dev xvfb xauth zip python3
    desktop-file-utils appstream dpkg-dev)
# Packages only some runs need, such as CI's real server for the peer suite.
read -ra extra_packages <<<"${FORTWRIGHT_EXTRA_PACKAGES:-}"
packages+=("${extra_packages[@]}")

missing=()
for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cd "$root_dir"
build_dir="build"
[[ "$preset" == default ]] || build_dir="build-$preset"
if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake --preset "$preset" >/dev/null
fi
cmake --build --preset "$preset"
