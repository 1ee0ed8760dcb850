#!/usr/bin/env bash
# Installs what the build, the clock and the tests need on a fresh Debian machine.
# Idempotent: a second run only checks and returns.
set -euo pipefail

# fonts-wine: Wine's own fonts, among them the symbol font that draws the caption buttons.
packages=(cmake g++ make googletest mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
          xvfb xauth fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation locales
          imagemagick x11-utils x11-apps x11-xserver-utils clang clang-format libclang-rt-14-dev faketime
          zip unzip)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  fi
  $sudo_cmd locale-gen >/dev/null
fi
