#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, and
# nothing when it is all there already (a few dpkg queries, well under a second).
set -euo pipefail

need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  wine wine64 wine32:i386
  xvfb xauth
  fonts-ipafont-gothic
  googletest libbenchmark-dev
  clang libclang-rt-14-dev llvm
  python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ "$need_i386" = 1 ] || [ "${#missing[@]}" -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}" >&2
  sudo_cmd=()
  [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
  if [ "$need_i386" = 1 ]; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
