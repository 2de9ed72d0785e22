#!/usr/bin/env bash
# install-deps.sh [run|package|test]: installs what Selbrin needs on Debian 12,
# and only what is missing, so a second run is quick.
#
#   run      what building and opening the window needs (`make run`)
#   package  that and what the Debian package is made with (`make package`)
#   test     all of these and every tool the tests call (`make test`, the default);
#            it also makes sure the Turkish locale that the tests run under exists
#
# Each test that calls a tool checks for it with scripts/require-tool.sh, which
# names the package listed here.
set -euo pipefail
set_name=${1:-test}

# The window: compiler, build tools, Qt 6 Widgets and SVG, GL headers (Qt's
# CMake files ask for them), a font, and Qt's own texts in Turkish.
window_packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core qt6-translations-l10n
)
# cpack's dependencies of the package: dpkg-shlibdeps, and file to find the binaries.
package_packages=(dpkg-dev file)
# The tests, by what runs them.
test_packages=(
  git locales ca-certificates                        # format check, Turkish runs, npm ci
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14 llvm-14   # fuzzer, format, llvm-rc
  xvfb xauth x11-utils xdotool openbox imagemagick   # windows on a virtual X server
  libxcb1-dev libxcb-damage0-dev                     # the start-up probe
  desktop-file-utils appstream libxml2-utils shared-mime-info   # the install test
  librsvg2-bin poppler-utils                         # the sheet: SVG and PDF
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine
  wixl msitools                                      # the Windows installer
  emscripten nodejs chromium firefox-esr             # the web page
)

case $set_name in
  run) packages=("${window_packages[@]}") ;;
  package) packages=("${window_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${window_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac

mapfile -t installed < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 2>/dev/null |
  awk '$1 == "ii" {print $2}')
declare -A have=()
for p in "${installed[@]}"; do have[${p%%:*}]=1; done
missing=()
for p in "${packages[@]}"; do
  [ -n "${have[$p]:-}" ] || missing+=("$p")
done
# npm comes with some builds of nodejs and is a package of its own in Debian's.
if [ "$set_name" = test ] && ! command -v npm >/dev/null; then
  missing+=(npm)
fi

need_locale=false
if [ "$set_name" = test ] && ! locale -a 2>/dev/null | grep -qi '^tr_TR.utf8$'; then
  need_locale=true
fi

# sudo drops DEBIAN_FRONTEND from the environment: hand it over through env.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
  elif [ ${#missing[@]} -gt 0 ] || $need_locale; then
    echo "install-deps: not root and no sudo; please install as root: ${missing[*]} (and the tr_TR.UTF-8 locale)" >&2
    exit 1
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if $need_locale; then
  echo "install-deps: generating the tr_TR.UTF-8 locale"
  "${as_root[@]}" sed -i 's/^# *tr_TR.UTF-8 UTF-8/tr_TR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^tr_TR.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'tr_TR.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen tr_TR.UTF-8 >/dev/null
fi
