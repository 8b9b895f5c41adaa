#!/usr/bin/env bash
# Screenshots of fennick.exe's window in English, Simplified Chinese and
# Traditional Chinese, one per page of its tab control, then one of the hotkey
# editor and one of the keyboard-layout chooser, opened for the fourth row:
#
#   scripts/screenshots.sh [folder]          (default: build/screenshots)
#
# Makes a Wine prefix with the demo input-method setup, then, on an Xvfb
# screen of 800x600, runs fennick.exe in a Wine virtual desktop of 640x520 for
# each language (LANG C, zh_CN.UTF-8, zh_TW.UTF-8). tools/fnkwin drives the
# real tab control and buttons from outside; ImageMagick's import saves the
# screen as <language>-<number>-<page or dialog>.png.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--inside-display" ]; then
  out=$2 fonts=$3
  fnkwin() { wine build/win/fnkwin.exe /desktop:Fennick "$@"; }
  for run in "C english" "zh_CN.UTF-8 simplified" "zh_TW.UTF-8 traditional"; do
    set -- $run
    lang=$1 name=$2
    # Wine finds the fonts it links to Tahoma for Chinese text by the names of
    # Windows' own (SimSun, PMingLiU); Debian's WenQuanYi Micro Hei stands in.
    # Wine then draws Latin letters with it too, so the English run goes first
    # and without.
    if [ "$lang" != C ]; then wine build/win/fnkreg.exe apply "$fonts" >/dev/null; fi
    LANG=$lang LC_ALL=$lang wine explorer /desktop=Fennick,640x520 build/win/fennick.exe &
    fnkwin wait
    page=0
    for caption in general other advanced; do
      if [ $page -gt 0 ]; then fnkwin page $page; fi
      sleep 1
      import -window root "$out/$name-$((page + 1))-$caption.png"
      page=$((page + 1))
    done
    fnkwin row 3
    for dialog in hotkey keyboard; do
      page=$((page + 1))
      fnkwin click $dialog
      fnkwin dialog $dialog wait
      sleep 1
      import -window root "$out/$name-$page-$dialog.png"
      fnkwin dialog $dialog cancel
    done
    fnkwin close
    wait
    wineserver -k || true
  done
  exit 0
fi

scripts/setup.sh
scripts/build.sh
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
work=$(mktemp -d /tmp/fennick-shots.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
scripts/wine_prefix.sh "$WINEPREFIX"
python3 tests/e2e/demo_state.py build/win/fnkreg.exe
{
  for face in SimSun NSimSun PMingLiU MingLiU "Microsoft YaHei" "Microsoft JhengHei"; do
    printf 'sz\tHKCU\\Software\\Wine\\Fonts\\Replacements\t%s\tWenQuanYi Micro Hei\n' "$face"
  done
} >"$work/fonts.txt"
xvfb-run -a -s "-screen 0 800x600x24" "$0" --inside-display "$out" "$work/fonts.txt"
ls "$out"/*.png
