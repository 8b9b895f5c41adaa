"""fennick.exe without arguments under Wine, on an Xvfb screen: the window
appears, and closing it without OK or Apply writes nothing and ends the
program with exit code 0."""
import subprocess
import time
import unittest

import harness

FNKWIN = harness.BUILD / "fnkwin.exe"
DESKTOP = "FennickWindowMode"
APP_DEFAULTS = "HKCU\\Software\\Wine\\AppDefaults\\fennick.exe"
CATALOG = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts"

# Starts fennick.exe, waits for its window, does one thing to it and waits for
# the program to end; the program's exit code is the session's. Wine's server
# is ended before and after, since its desktop belongs to one X display.
SESSION = """
fennick=$0 fnkwin=$1
shift
wineserver -k 2>/dev/null
wine "$fennick" & program=$!
if wine "$fnkwin" /desktop:{desktop} wait; then
  wine "$fnkwin" /desktop:{desktop} "$@"
  wait $program
  status=$?
else
  status=90
fi
wineserver -k
exit $status
"""


class WindowMode(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # fennick.exe gets a Wine virtual desktop here: on a bare X screen Wine
        # waits seconds for each window it unmaps. The switch-mode cases, which
        # have no display, must not have one: the setting goes when these end.
        harness.registry_apply([
            ("sz", APP_DEFAULTS + "\\Explorer", "Desktop", DESKTOP),
            ("sz", "HKCU\\Software\\Wine\\Explorer\\Desktops", DESKTOP, "640x520"),
            ("delete", "HKCU\\Keyboard Layout\\Preload"),
            ("sz", "HKCU\\Keyboard Layout\\Preload", "1", "00000409"),
            ("sz", "HKCU\\Keyboard Layout\\Preload", "2", "00000804"),
            ("sz", "HKCU\\Keyboard Layout\\Toggle", "Hotkey", "1"),
            ("sz", "HKCU\\Control Panel\\Input Method", "Show Status", "1"),
            ("sz", CATALOG + "\\00000409", "Layout Text", "US"),
            ("sz", CATALOG + "\\00000804", "Layout Text", "Chinese (Simplified) - US Keyboard"),
        ])

    @classmethod
    def tearDownClass(cls):
        harness.registry_apply([("delete", APP_DEFAULTS)])

    def state(self):
        return harness.registry_dump("HKCU\\Keyboard Layout", "HKCU\\Control Panel\\Input Method", CATALOG)

    def run_window(self, *action):
        start = time.monotonic()
        process = subprocess.run(
            ["xvfb-run", "-a", "-s", "-screen 0 800x600x24", "sh", "-c", SESSION.format(desktop=DESKTOP),
             str(harness.FENNICK), str(FNKWIN), *action],
            env=harness.wine_env(display=True), stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        return process.returncode, time.monotonic() - start, process.stderr.decode("utf-8", "replace")

    def test_closing_without_apply_writes_nothing(self):
        before = self.state()
        for action in (["close"], ["click", "exit"]):
            with self.subTest(action=action):
                code, seconds, errors = self.run_window(*action)
                self.assertEqual(code, 0, errors)
                self.assertLess(seconds, 30)
                self.assertEqual(self.state(), before)


if __name__ == "__main__":
    unittest.main()
