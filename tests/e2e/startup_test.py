"""fennick.exe under Wine: switch mode ends by itself with exit code 0 and needs no display."""
import unittest

import harness


class SwitchModeEnds(unittest.TestCase):
    def check_ends(self, run):
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertLess(run.seconds, 10)

    def test_switches(self):
        self.check_ends(harness.fennick("/on", "/caps"))

    def test_help_without_a_display(self):
        # The help box cannot show without a display; the run must still end.
        for lang in ("C", "zh_CN.UTF-8", "zh_TW.UTF-8"):
            with self.subTest(lang=lang):
                self.check_ends(harness.fennick("/?", lang=lang))

    def test_switch_file_beside_the_executable(self):
        folder = harness.program_folder("load")
        (folder / "set.txt").write_bytes(b"/on\r\n/caps\r\n")
        self.check_ends(harness.fennick("/load:set.txt", program=folder / "fennick.exe"))

    def test_missing_switch_file(self):
        self.check_ends(harness.fennick("/load:missing.txt"))


if __name__ == "__main__":
    unittest.main()
