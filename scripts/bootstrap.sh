#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, and
# nothing when it is all there already (a few dpkg queries, well under a second).
set -uo pipefail

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
  libcups2-dev  # CUPS, the peer that ppd_real_bench measures beside the reader
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

  # A mirror in the middle of a sync serves an index whose size disagrees
  # with its Release file ("Mirror sync in progress?"), and apt-get update
  # fails on that one index. Try a few times; then go on with the indexes
  # that did come, since the packages we need may well be in them.
  for attempt in 1 2 3; do
    if "${sudo_cmd[@]}" apt-get update -qq; then
      break
    fi
    echo "bootstrap: apt-get update failed (attempt ${attempt} of 3)" >&2
    [ "$attempt" = 3 ] || sleep 20
  done

  install() {
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" \
      apt-get install -y -qq --no-install-recommends "$@" >/dev/null
  }
  if ! install "${missing[@]}"; then
    # Name the packages that cannot be had, one by one.
    failed=()
    for p in "${missing[@]}"; do
      install "$p" || failed+=("$p")
    done
    if [ "${#failed[@]}" -gt 0 ]; then
      echo "bootstrap: could not install: ${failed[*]}" >&2
      echo "bootstrap: the package mirror may be in the middle of a sync;" \
        "try again later" >&2
      exit 1
    fi
  fi
fi
