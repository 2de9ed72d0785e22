#!/usr/bin/env bash
# Installs what building and testing Selbrin needs on Debian 12, and only what is
# missing, so a second run is quick. Also makes sure the Turkish locale that the
# tests run under exists.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core qt6-translations-l10n
  locales clang libclang-rt-14-dev clang-format-14
  xvfb xauth libxcb1-dev libxcb-damage0-dev
  desktop-file-utils appstream dpkg-dev file
  librsvg2-bin poppler-utils
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 msitools
  fonts-wine openbox imagemagick zip wixl
  googletest emscripten nodejs chromium firefox-esr
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# npm comes with some builds of nodejs and is a package of its own in Debian's.
command -v npm >/dev/null || missing+=(npm)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    sudo=(sudo)
  elif [ ${#missing[@]} -gt 0 ] || ! locale -a 2>/dev/null | grep -qi '^tr_TR.utf8$'; then
    echo "install-deps: not root and no sudo; please install as root: ${missing[*]}" >&2
    exit 1
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^tr_TR.utf8$'; then
  echo "install-deps: generating the tr_TR.UTF-8 locale"
  "${sudo[@]}" sed -i 's/^# *tr_TR.UTF-8 UTF-8/tr_TR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^tr_TR.UTF-8 UTF-8' /etc/locale.gen || echo 'tr_TR.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen tr_TR.UTF-8 >/dev/null
fi
