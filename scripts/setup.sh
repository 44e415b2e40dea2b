#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine.
# Safe to run again: it does nothing that is already done.
set -euo pipefail

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh installs packages and must run as root" >&2
    exit 1
  fi
}

packages=(
  cmake g++ make googletest
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xdotool x11-utils imagemagick bc time
  fonts-wqy-microhei fonts-wine locales
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

ensure_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  need_root
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
}

# Wine reads file names as UTF-8 and the ANSI code page from the locale:
# the Chinese tests run with zh_CN.UTF-8, which gives code page 936.
ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  need_root
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

ensure_packages
ensure_locale
