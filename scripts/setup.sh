#!/usr/bin/env bash
# Installs what building and testing Fennick need on a Debian machine, when it
# is missing: compilers (native and mingw-w64), GoogleTest, Wine, Xvfb, fonts
# and the locales the tests run Wine under.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-dev libgtest-dev googletest libbenchmark-dev python3
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth imagemagick x11-utils fonts-wqy-microhei fonts-wine locales
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes the system locale from LANG; the tests need these to exist.
locales=(en_US.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8 zh_HK.UTF-8 ja_JP.UTF-8 ko_KR.UTF-8)
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
need_generate=0
for l in "${locales[@]}"; do
  short=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  if ! grep -qx "$short" <<<"$have"; then
    need_generate=1
    if ! grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null; then
      as_root sh -c "echo '$l UTF-8' >> /etc/locale.gen"
    fi
  fi
done
if [ $need_generate -eq 1 ]; then
  as_root locale-gen >/dev/null
fi
