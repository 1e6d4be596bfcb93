#!/usr/bin/env bash
# Pictures of the plug-in's two pages in the sheet, for each language asked
# (all eight when none is given), in one build and at one DPI:
#
#   scripts/page-screenshots.sh [--preset win64-v6] [--dpi 96] [LANG...]
#
# LANG is en-US, de-DE, fr-FR, it-IT, ja-JP, nl-NL, pt-PT or es-ES. The PNGs
# land in build/<preset>/page-screenshots/<dpi>dpi/<lang>-layout.png and
# <lang>-extended-settings.png; the folder is printed at the end. A DPI other
# than 96 runs in a Wine prefix of its own (see scripts/wine-run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=win64-v6
dpi=96
languages=()
while [ $# -gt 0 ]; do
  case $1 in
    --preset) preset=${2:?--preset needs a preset}; shift 2 ;;
    --dpi) dpi=${2:?--dpi needs a number}; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    -*) echo "page-screenshots.sh: unknown option $1" >&2; exit 2 ;;
    *) languages+=("$1"); shift ;;
  esac
done
[ ${#languages[@]} -gt 0 ] || languages=(en-US de-DE fr-FR it-IT ja-JP nl-NL pt-PT es-ES)
case $dpi in *[!0-9]*|'') echo "page-screenshots.sh: --dpi wants a number" >&2; exit 2 ;; esac

scripts/bootstrap.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target page_screenshot >/dev/null
build=build/$preset
folder=$PWD/$build/page-screenshots/${dpi}dpi
mkdir -p "$folder"
wine_dpi=
[ "$dpi" = 96 ] || wine_dpi=$dpi

run() {
  local command=(scripts/wine-run.sh "$PWD/$build/wineprefix" "$build/bin/page_screenshot.exe" "$@")
  if [ -z "${DISPLAY:-}" ]; then
    command=(xvfb-run -a -s "-screen 0 1600x1400x24" "${command[@]}")
  fi
  MARLOW_WINE_DPI=$wine_dpi "${command[@]}" >/dev/null
}

for language in "${languages[@]}"; do
  run --lang "$language" --page layout "Z:$folder/$language-layout.png"
  run --lang "$language" --page job "Z:$folder/$language-extended-settings.png"
done
echo "$folder"
