#!/usr/bin/env bash
# Installs the Debian packages Tavilon builds, runs and tests with, when any is missing.
# Safe to run again: it does nothing once everything is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsfml-dev libimgui-dev libgl-dev libgtk-3-dev
  fonts-dejavu-core xdg-utils
  googletest libgtest-dev libgmock-dev
  xvfb xauth xdotool xclip imagemagick x11-utils libx11-dev
  libxml2-utils librsvg2-bin
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
