#!/usr/bin/env bash
# Runs every test: unit and conformance tests against the in-memory Windows,
# the conformance tests against the real Win32 calls under Wine, and the
# end-to-end tests of fennick.exe under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

echo "== the portable core includes no Windows header"
if grep -rlE '#include[[:space:]]*<windows\.h>' src --include='*.h' --include='*.cpp' | grep -vE '^src/(platform|ui)/win32/'; then
  echo "these files outside the Win32 folders include <windows.h>"; exit 1
fi

echo "== unit and conformance tests (native, in-memory Windows)"
ctest --test-dir build/native --output-on-failure

echo "== unit and conformance tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DFENNICK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/asan -j "$(nproc)" --target unit_tests conformance_sim
ctest --test-dir build/asan --output-on-failure

echo "== fuzzers, ${FENNICK_FUZZ_SECONDS:-30} s each (scripts/fuzz.sh runs them longer)"
scripts/fuzz.sh "${FENNICK_FUZZ_SECONDS:-30}"

prefix=$(mktemp -d /tmp/fennick-wine.XXXXXX)/prefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  rm -rf "$(dirname "$prefix")"
}
trap cleanup EXIT
scripts/wine_prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all FENNICK_BUILD=$PWD/build/win

echo "== conformance tests (Win32 under Wine)"
env -u DISPLAY wine build/win/conformance_win32.exe --gtest_brief=1

echo "== the main window in process (Win32 under Wine, on an Xvfb screen)"
# The test program gets a Wine virtual desktop: on a bare X screen, without a
# window manager, Wine waits two seconds for every top-level window it unmaps.
desktop_settings=$(dirname "$prefix")/desktop.txt
printf 'sz\tHKCU\\Software\\Wine\\AppDefaults\\window_tests.exe\\Explorer\tDesktop\tFennickTests\n' >"$desktop_settings"
printf 'sz\tHKCU\\Software\\Wine\\Explorer\\Desktops\tFennickTests\t800x600\n' >>"$desktop_settings"
wine build/win/fnkreg.exe apply "$desktop_settings" >/dev/null
xvfb-run -a -s "-screen 0 800x600x24" sh -c 'wine build/win/window_tests.exe --gtest_brief=1; status=$?; wineserver -k; exit $status'

echo "== end-to-end tests (fennick.exe under Wine)"
python3 -m unittest discover -s tests/e2e -p '*_test.py' -v
