#!/usr/bin/env bash
# Writes the two driver packages from the four Windows builds:
#
#   build/packages/marlowui-v5/      platform generation 5.x (win32-v5, win64-v5)
#   build/packages/marlowui-v6/      platform generation 6.0 (win32-v6, win64-v6)
#   build/packages/marlowui-v5.zip, marlowui-v6.zip
#
# Each package holds marlowc.inf and the folders i386/ and amd64/, each with
# MARLOWC.PPD (samples/marlow-c.ppd), MARLOWC.INI (the plug-in configuration
# file) and the marlowui.dll of the matching build. The INFs come from
# packaging/ with DriverVer's version taken from the project's version. The
# catalog that the INFs name (marlowc.cat) is made and signed on Windows at
# release; it is not part of these packages.
#
#   scripts/make-packages.sh      (after building the four Windows presets)
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/packages
version=$(sed -nE 's/^project\(marlowui VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || {
  echo "make-packages: no four-part version in CMakeLists.txt's project()" >&2; exit 2; }

missing=()
for preset in win32-v5 win64-v5 win32-v6 win64-v6; do
  [ -f "build/${preset}/bin/marlowui.dll" ] || missing+=("build/${preset}/bin/marlowui.dll")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "make-packages: build the four Windows presets first; missing: ${missing[*]}" >&2
  exit 2
fi

# Text files of the package get CR LF line ends, as Windows' own INFs have.
write_crlf() { sed -e 's/\r$//' -e 's/$/\r/' "$1" > "$2"; }

# make_package NAME GENERATION X86_PRESET X64_PRESET
make_package() {
  local name=$1 generation=$2 dir="$out/$1"
  rm -rf "$dir" "$out/$name.zip"
  mkdir -p "$dir"
  sed -e "s/@DRIVER_VERSION@/${version}/" "packaging/marlowc-${generation}.inf" |
    sed -e 's/\r$//' -e 's/$/\r/' > "$dir/marlowc.inf"
  local arch preset
  for arch in i386 amd64; do
    if [ "$arch" = i386 ]; then preset=$3; else preset=$4; fi
    mkdir -p "$dir/$arch"
    cp samples/marlow-c.ppd "$dir/$arch/MARLOWC.PPD"
    write_crlf packaging/MARLOWC.INI "$dir/$arch/MARLOWC.INI"
    cp "build/${preset}/bin/marlowui.dll" "$dir/$arch/marlowui.dll"
  done
  (cd "$out" && cmake -E tar cf "$name.zip" --format=zip --mtime=2026-12-09 "$name")
  echo "$out/$name/ and $out/$name.zip"
}

mkdir -p "$out"
make_package marlowui-v5 5.x win32-v5 win64-v5
make_package marlowui-v6 6.0 win32-v6 win64-v6
