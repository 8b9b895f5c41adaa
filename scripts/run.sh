#!/usr/bin/env bash
# Builds Fennick and starts fennick.exe under Wine in a demo prefix that holds a
# Chinese input-method setup. Arguments are passed to fennick.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
prefix=$PWD/build/demo-prefix
if [ ! -d "$prefix/drive_c" ]; then
  scripts/wine_prefix.sh "$prefix"
fi
export WINEPREFIX=$prefix WINEDEBUG=-all
python3 tests/e2e/demo_state.py build/win/fnkreg.exe
if [ -z "${DISPLAY:-}" ] && [ $# -eq 0 ]; then
  echo "No display: starting under xvfb-run; the window cannot be seen."
  exec xvfb-run -a wine build/win/fennick.exe "$@"
fi
exec wine build/win/fennick.exe "$@"
