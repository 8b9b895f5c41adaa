"""fennick.exe under Wine against hostile surroundings: programs and libraries
named like the system's in the current directory never run, and a catalog key
that cannot be deleted leaves the rest of a switch line in effect."""
import shutil
import unittest

import harness

CATALOG = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts"
KEYBOARD = "HKCU\\Keyboard Layout"
MARKERS = harness.BUILD / "fixtures" / "markers"
SYSTEM_PROGRAMS = ("internat.exe", "ctfmon.exe")


def seed_catalog(extra=()):
    commands = [("delete", KEYBOARD), ("delete", CATALOG)]
    for layout_id, text, ime_file in [("00000409", "US", None), ("00000804", "Chinese (Simplified)", None)] + list(extra):
        key = CATALOG + "\\" + layout_id
        commands += [("sz", key, "Layout Text", text), ("sz", key, "Layout File", "KBDUS.DLL")]
        if ime_file:
            commands.append(("sz", key, "Ime File", ime_file))
    commands += [("sz", KEYBOARD + "\\Preload", "1", "00000409"), ("sz", KEYBOARD + "\\Preload", "2", "00000804")]
    harness.registry_apply(commands)


class CurrentDirectory(unittest.TestCase):
    """Programs and libraries are taken from the system directory (internat.exe
    also from beside fennick.exe), never from the current directory."""

    def setUp(self):
        harness.set_windows_version("winxp")
        seed_catalog()
        # The system directory and the program's folder hold neither indicator.
        self.saved = {}
        for name in SYSTEM_PROGRAMS:
            path = harness.system32() / name
            if path.exists():
                self.saved[name] = path.read_bytes()
                path.unlink()
        self.folder = harness.program_folder("hardening")
        self.current = harness.prefix() / "drive_c" / "fennick-e2e" / "current"
        shutil.rmtree(self.current, ignore_errors=True)
        self.current.mkdir(parents=True)
        for name in SYSTEM_PROGRAMS:
            shutil.copy(MARKERS / "fnkmarker.exe", self.current / name)
        for name in ("msctf.dll", "msutb.dll", "msimtf.dll", "indicdll.dll", "imm32.dll", "version.dll"):
            shutil.copy(MARKERS / "fnkmarker.dll", self.current / name)

    def tearDown(self):
        for name, content in self.saved.items():
            (harness.system32() / name).write_bytes(content)
        harness.fennick("/off")

    def marks(self):
        return sorted(p.name for p in self.current.iterdir() if p.suffix in (".ran", ".loaded"))

    def test_the_markers_leave_marks(self):
        # Without this the test below could not fail.
        probe = harness.prefix() / "drive_c" / "fennick-e2e" / "probe"
        shutil.rmtree(probe, ignore_errors=True)
        probe.mkdir(parents=True)
        shutil.copy(MARKERS / "fnkmarker.exe", probe / "internat.exe")
        harness.wine(probe / "internat.exe")
        self.assertTrue((probe / "internat.exe.ran").exists())

    def test_nothing_runs_from_the_current_directory(self):
        program = self.folder / "fennick.exe"
        for switches in (["/internat"], ["/ctfmon"], ["/internat", "/off"]):
            run = harness.wine(program, *switches, cwd=self.current)
            self.assertEqual(run.returncode, 0, switches)
        self.assertEqual(self.marks(), [])


class UndeletableCatalogKey(unittest.TestCase):
    """A catalog key that holds a sub-key cannot be deleted on the NT family:
    the uninstall fails silently and every other switch still takes effect."""

    def test_uninstall_of_a_locked_key(self):
        harness.set_windows_version("winxp")
        harness.install_system_files("fnkime.ime")
        seed_catalog([("E0200804", "Locked IME", "fnkime.ime")])
        harness.registry_apply([("key", CATALOG + "\\E0200804\\Locked")])
        run = harness.fennick("/uninstall3:E0200804", "/switch:3b", "/shift")
        self.assertEqual(run.returncode, 0)
        self.assertLess(run.seconds, 10)
        tree = harness.registry_dump(CATALOG + "\\E0200804", KEYBOARD)
        self.assertIn(CATALOG + "\\E0200804", tree)
        self.assertEqual(tree[KEYBOARD + "\\Toggle"]["hotkey"], (1, "1"))
        self.assertEqual(tree[KEYBOARD + "\\Toggle"]["Layout Hotkey"], (1, "2"))
        self.assertEqual(tree[KEYBOARD]["Attributes"], (4, (0x10000).to_bytes(4, "little")))


if __name__ == "__main__":
    unittest.main()
