#!/usr/bin/env bash
# Installs Debian's packages of real printers' PPD files and unpacks them as
# plain .ppd files under build/real-ppds/ (or the directory given), for the
# benchmark on real files and the long robustness check. The tests never
# need them.
#
#   scripts/fetch-real-ppds.sh [DIRECTORY]
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:-build/real-ppds}
scripts/bootstrap.sh

# PPD data only: no printer driver software.
packages=(openprinting-ppds foomatic-db-compressed-ppds hp-ppd xz-utils python3)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

rm -rf "$target"
mkdir -p "$target"
for archive in /usr/lib/cups/driver/openprinting-ppds /usr/lib/cups/driver/foomatic-db-compressed-ppds; do
  name=$(basename "$archive")
  count=$(python3 scripts/extract-pyppd-archive.py "$archive" "$target/$name")
  echo "fetch-real-ppds: $count files from $name"
done
# Plain and gzip-compressed files installed as they are.
find /usr/share/ppd -type f \( -name '*.ppd' -o -name '*.ppd.gz' \) | while read -r file; do
  relative=${file#/usr/share/ppd/}
  mkdir -p "$target/share/$(dirname "$relative")"
  case "$file" in
    *.gz) gzip -dc "$file" >"$target/share/${relative%.gz}" ;;
    *) cp "$file" "$target/share/$relative" ;;
  esac
done
echo "fetch-real-ppds: $(find "$target" -name '*.ppd' | wc -l) PPD files," \
  "$(du -sm "$target" | cut -f1) MB in $target"
