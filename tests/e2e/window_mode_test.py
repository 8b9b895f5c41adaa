"""fennick.exe without arguments under Wine, on an Xvfb screen: the window
appears; closing it without OK or Apply writes nothing, and OK pressed through
the real button applies the changes; either way the program ends with exit
code 0."""
import subprocess
import time
import unittest

import harness

FNKWIN = harness.BUILD / "fnkwin.exe"
DESKTOP = "FennickWindowMode"
APP_DEFAULTS = "HKCU\\Software\\Wine\\AppDefaults\\fennick.exe"
CATALOG = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts"

# Starts fennick.exe, waits for its window, does the given things to it in
# order (each an fnkwin command such as "click down") and waits for the program
# to end; the program's exit code is the session's. Wine's server is ended
# before and after, since its desktop belongs to one X display.
SESSION = """
fennick=$1 fnkwin=$2
shift 2
wineserver -k 2>/dev/null
wine "$fennick" & program=$!
if wine "$fnkwin" /desktop:{desktop} wait; then
  for action in "$@"; do wine "$fnkwin" /desktop:{desktop} $action; done
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
            ("sz", CATALOG + "\\00000409", "Layout Text", "US"),
            ("sz", CATALOG + "\\00000804", "Layout Text", "Chinese (Simplified) - US Keyboard"),
            ("sz", CATALOG + "\\00000804", "Layout File", "KBDUS.DLL"),
            ("sz", CATALOG + "\\00000407", "Layout Text", "German"),
            ("sz", CATALOG + "\\00000407", "Layout File", "KBDGR.DLL"),
        ])

    def setUp(self):
        harness.registry_apply([
            ("delete", "HKCU\\Keyboard Layout"),
            ("sz", "HKCU\\Keyboard Layout\\Preload", "1", "00000409"),
            ("sz", "HKCU\\Keyboard Layout\\Preload", "2", "00000804"),
            ("sz", "HKCU\\Keyboard Layout\\Toggle", "Hotkey", "1"),
            ("sz", "HKCU\\Control Panel\\Input Method", "Show Status", "1"),
            ("sz", CATALOG + "\\00000409", "Layout File", "KBDUS.DLL"),
        ])

    @classmethod
    def tearDownClass(cls):
        harness.registry_apply([("delete", APP_DEFAULTS)])

    def state(self):
        return harness.registry_dump("HKCU\\Keyboard Layout", "HKCU\\Control Panel\\Input Method", CATALOG)

    def run_window(self, *actions):
        start = time.monotonic()
        process = subprocess.run(
            ["xvfb-run", "-a", "-s", "-screen 0 800x600x24", "sh", "-c", SESSION.format(desktop=DESKTOP),
             "session", str(harness.FENNICK), str(FNKWIN), *actions],
            env=harness.wine_env(display=True), stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        return process.returncode, time.monotonic() - start, process.stderr.decode("utf-8", "replace")

    def test_closing_without_apply_writes_nothing(self):
        before = self.state()
        for actions in (["close"], ["click down", "click exit"]):
            with self.subTest(actions=actions):
                code, seconds, errors = self.run_window(*actions)
                self.assertEqual(code, 0, errors)
                self.assertLess(seconds, 30)
                self.assertEqual(self.state(), before)

    def test_ok_applies_the_changes_and_closes(self):
        # The first row is selected at start: Down moves it below the second,
        # OK writes the new order and ends the program. Value "1" is left out:
        # the helper that clicks OK loads user32, and Wine then writes its own
        # first layout there again.
        code, seconds, errors = self.run_window("click down", "click ok")
        self.assertEqual(code, 0, errors)
        self.assertLess(seconds, 30)
        state = self.state()
        self.assertEqual(state["HKCU\\Keyboard Layout\\Preload"]["2"], (1, "00000409"))
        self.assertEqual(sorted(state["HKCU\\Keyboard Layout\\Preload"]), ["1", "2"])
        # Everything else of the working settings was written too.
        self.assertEqual(state["HKCU\\Keyboard Layout"]["Attributes"], (4, bytes(4)))

    def test_the_keyboard_chooser_writes_at_once(self):
        # The first row, US, gets the second offered layout, German; Exit then
        # drops the window's settings but not the chooser's choice.
        code, seconds, errors = self.run_window(
            "click keyboard", "dialog keyboard wait", "dialog keyboard pick 1", "dialog keyboard ok", "click exit")
        self.assertEqual(code, 0, errors)
        self.assertLess(seconds, 30)
        values = {name.lower(): value for name, value in self.state()[CATALOG + "\\00000409"].items()}
        self.assertEqual(values["layout file"], (1, "KBDGR.DLL"))


if __name__ == "__main__":
    unittest.main()
