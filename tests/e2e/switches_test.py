"""fennick.exe in switch mode under Wine, on three machines: Windows XP in
English, Windows 7 in Simplified Chinese and Windows 2000 in Traditional
Chinese. Each case prepares the registry keys it reads, runs one switch line or
switch file, and reads the registry back as the system stored it.

Wine rewrites the preload value "1" whenever a process loads user32: to
"00000409" under LANG=C, to "E0010804" or "E0010404" under the Chinese
locales. English cases therefore start with "00000409" first; Chinese cases
start with a throwaway first value, which names no catalog entry by the time
fennick.exe reads it and so drops out of the list.
"""
import os
import unittest

import harness

CATALOG = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts"
KEYBOARD = "HKCU\\Keyboard Layout"
PRELOAD = KEYBOARD + "\\Preload"
TOGGLE = KEYBOARD + "\\Toggle"
INPUT_METHOD = "HKCU\\Control Panel\\Input Method"
HOTKEYS = INPUT_METHOD + "\\Hot Keys"
CTF = "HKCU\\Software\\Microsoft\\CTF"
LANGBAR = CTF + "\\LangBar"
RUN = "Software\\Microsoft\\Windows\\CurrentVersion\\Run"

SZ, BINARY, DWORD = 1, 3, 4

# The catalog every case starts from: (LayoutId, "Layout Text", "IME File").
# E0020804 and E0030804 name one file in two letter cases. No key is named
# E0010804 or E0010404, the values Wine writes into preload value "1".
LAYOUTS = [
    ("00000409", "US", None),
    ("00000804", "Chinese (Simplified) - US Keyboard", None),
    ("00000404", "Chinese (Traditional) - US Keyboard", None),
    ("E0020804", "Fennick Pinyin", "fnkime.ime"),
    ("E0030804", "Fennick Wubi", "FNKIME.IME"),
    ("E0040804", "Fennick Quick", "fnkfirst.ime"),
    ("E0050404", "Fennick Cangjie", "fnkbare.ime"),
]
# fnkime.ime's file description: the name the legacy indicator shows for it,
# and the name an install without a name gives it.
FNKIME_DESCRIPTION = "Fennick 测试输入法"


def le32(value):
    return value.to_bytes(4, "little")


def hotkey_record(modifiers, key, target):
    return {"KEY MODIFIERS": (BINARY, le32(modifiers)), "VIRTUAL KEY": (BINARY, le32(key)),
            "TARGET IME": (BINARY, le32(target))}


class Machine:
    def __init__(self, version, lang, locale, toggle_records, ctf):
        self.version = version
        self.lang = lang
        self.locale = locale
        self.toggle_records = toggle_records  # record numbers of the three toggles, or ()
        self.ctf = ctf  # CTF values every apply leaves when no style is chosen: (TIM, ShowStatus) or None

    @property
    def english(self):
        return self.lang == "C"


XP_ENGLISH = Machine("winxp", "C", 0x0409, (), (1, 0))
WIN7_SIMPLIFIED = Machine("win7", "zh_CN.UTF-8", 0x0804, (0x10, 0x11, 0x12), (0, 4))
WIN2000_TRADITIONAL = Machine("win2k", "zh_TW.UTF-8", 0x0404, (0x70, 0x71, 0x72), None)


class SwitchMode:
    """The cases; each subclass names its machine."""

    machine = None

    @classmethod
    def setUpClass(cls):
        harness.install_system_files("fnkime.ime", "fnkfirst.ime", "fnkbare.ime", "ctfmon.exe", "internat.exe")
        harness.set_windows_version(cls.machine.version)

    @classmethod
    def tearDownClass(cls):
        harness.registry_apply([("delvalue", "HKCU\\Software\\Wine", "Version")])

    def tearDown(self):
        for name in ("ctfmon.exe", "internat.exe"):
            for pid in harness.running_programs(name):
                os.kill(pid, 9)

    # --- preparing and reading the registry

    def prepare(self, preload, layouts=LAYOUTS, attributes=0x10000):
        """Seeds the keys a run reads: the catalog, the preload list (the
        effective entries; Wine's first value is added here), one direct-switch
        hotkey for E0020804, the toggles, the chords, Caps Lock, the status
        window, and no CTF or Run values."""
        m = self.machine
        commands = [("delete", CATALOG)]
        for layout_id, text, ime_file in layouts:
            key = CATALOG + "\\" + layout_id
            commands += [("sz", key, "Layout Text", text), ("sz", key, "Layout File", "KBDUS.DLL")]
            if ime_file:
                commands.append(("sz", key, "Ime File", ime_file))
        if m.english:
            assert preload[0] == "00000409", "an English case lists 00000409 first"
            values = list(preload)
        else:
            values = ["throwaway"] + list(preload)
        commands.append(("delete", PRELOAD))
        commands += [("sz", PRELOAD, str(n), layout_id) for n, layout_id in enumerate(values, 1)]
        commands.append(("delete", HOTKEYS))
        for number, (modifiers, key, target) in self.seeded_hotkeys().items():
            path = HOTKEYS + "\\%08X" % number
            commands += [("binary", path, "Key Modifiers", le32(modifiers).hex()),
                         ("binary", path, "Virtual Key", le32(key).hex()),
                         ("binary", path, "Target IME", le32(target).hex())]
        commands += [
            ("delete", TOGGLE),
            ("sz", TOGGLE, "Hotkey", "2"),
            ("sz", TOGGLE, "Language Hotkey", "2"),
            ("sz", TOGGLE, "Layout Hotkey", "1"),
            ("dword", KEYBOARD, "Attributes", "%x" % attributes),
            ("sz", INPUT_METHOD, "Show Status", "1"),
            ("delete", CTF),
        ]
        for root in ("HKCU", "HKLM"):
            for name in ("ctfmon.exe", "internat.exe"):
                commands.append(("delvalue", root + "\\" + RUN, name))
        harness.registry_apply(commands)

    def seeded_hotkeys(self):
        """Record number: (modifiers, key, target). Ctrl+Shift+1 for E0020804,
        and the toggles of Chinese systems: Ctrl+Space, Shift+Space, Ctrl+."""
        records = {0x100: (0xC006, 0x31, 0xE0020804)}
        for number, (modifiers, key) in zip(self.machine.toggle_records,
                                            ((0xC002, 0x20), (0xC004, 0x20), (0xC002, 0xBE))):
            records[number] = (modifiers, key, 0)
        return records

    def run_fennick(self, *arguments, program=harness.FENNICK):
        run = harness.fennick(*arguments, lang=self.machine.lang, program=program)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertLess(run.seconds, 5)  # never waits for a window or a box
        return run

    def run_switch_file(self, text, name):
        """Runs /load:set.txt with the text in set.txt beside a copy of the program."""
        folder = harness.program_folder(name + "-" + self.machine.version)
        (folder / "set.txt").write_bytes(text)
        return self.run_fennick("/load:set.txt", program=folder / "fennick.exe")

    def read(self):
        tree = harness.registry_dump(CATALOG, KEYBOARD, INPUT_METHOD, CTF, "HKCU\\" + RUN, "HKLM\\" + RUN)
        return {path.upper(): {name.upper(): value for name, value in values.items()}
                for path, values in tree.items()}

    # --- what the registry must hold

    def assertPreload(self, state, ids):
        self.assertEqual(state[PRELOAD.upper()], {str(n): (SZ, i) for n, i in enumerate(ids, 1)})

    def assertHotkeys(self, state, records):
        stored = {path[len(HOTKEYS) + 1:]: values for path, values in state.items()
                  if path.startswith(HOTKEYS.upper() + "\\")}
        self.assertEqual(stored, {"%08X" % number: hotkey_record(*record) for number, record in records.items()})

    def assertToggle(self, state, language, layout):
        self.assertEqual(state[TOGGLE.upper()], {"HOTKEY": (SZ, language), "LANGUAGE HOTKEY": (SZ, language),
                                                 "LAYOUT HOTKEY": (SZ, layout)})

    def assertCatalog(self, state, ids):
        keys = sorted(path[len(CATALOG) + 1:] for path in state if path.startswith(CATALOG.upper() + "\\"))
        self.assertEqual(keys, sorted(i.upper() for i in ids))

    def assertCtf(self, state, values):
        if values is None:
            self.assertNotIn(CTF.upper(), state)
        else:
            self.assertEqual(state[CTF.upper()], {"DISABLE THREAD INPUT MANAGER": (DWORD, le32(values[0]))})
            self.assertEqual(state[LANGBAR.upper()], {"SHOWSTATUS": (DWORD, le32(values[1]))})

    def assertRun(self, state, hkcu):
        self.assertEqual(state.get(("HKCU\\" + RUN).upper(), {}), hkcu)
        self.assertEqual(state.get(("HKLM\\" + RUN).upper(), {}), {})

    def base(self):
        """The effective preload list the cases start from."""
        return ["00000409", "00000804", "E0020804"] if self.machine.english else ["00000804", "E0020804"]

    # --- the cases

    def test_no_switch_applies_the_loaded_settings_unchanged(self):
        self.prepare(self.base())
        self.run_fennick("x")
        state = self.read()
        self.assertPreload(state, self.base())
        self.assertHotkeys(state, self.seeded_hotkeys())
        self.assertToggle(state, "2", "1")
        self.assertEqual(state[KEYBOARD.upper()]["ATTRIBUTES"], (DWORD, le32(0x10000)))
        self.assertEqual(state[INPUT_METHOD.upper()]["SHOW STATUS"], (SZ, "1"))
        self.assertCatalog(state, [layout[0] for layout in LAYOUTS])
        self.assertCtf(state, self.machine.ctf)
        self.assertRun(state, {})

    def test_settings_switches(self):
        self.prepare(self.base())
        self.run_fennick("/caps", "/status:0", "/switch:3b", "/hotkey:2,ctrl+shift_8_left", "/hotkey:b,shift_space",
                         "/hotkey:c,alt_~")
        state = self.read()
        self.assertPreload(state, self.base())
        self.assertEqual(state[KEYBOARD.upper()]["ATTRIBUTES"], (DWORD, le32(0)))
        # Wine's input settings call stores nothing: the value stays as it was.
        self.assertEqual(state[INPUT_METHOD.upper()]["SHOW STATUS"], (SZ, "1"))
        self.assertToggle(state, "1", "2")
        records = self.seeded_hotkeys()
        second = self.base()[1]
        target = 0x08040804 if second == "00000804" else int(second, 16)
        if second == "E0020804":
            records[0x100] = (0x8006, 0x38, target)  # its record overwritten
        else:
            records[0x101] = (0x8006, 0x38, target)
        if self.machine.toggle_records:
            # Shift+Space is the shape toggle's own already: unchanged. The
            # symbol toggle takes Alt with the comma key.
            records[self.machine.toggle_records[2]] = (0xC001, 0xBC, 0)
        self.assertHotkeys(state, records)

    def test_list_switches(self):
        self.prepare(self.base())
        # Names with blanks need no quotes; a script's command line hands them
        # over raw, as a switch file does.
        self.run_switch_file(b"/add1:Chinese (Traditional) - US Keyboard,alt_~ /add3:e0040804,ctrl+shift_2\r\n"
                             b"/del4:00000804 /move1:Chinese (Traditional) - US Keyboard,1\r\n"
                             b"/move2:fnkfirst.IME,2 /del2:Nothing of that name", "list")
        state = self.read()
        rest = [i for i in self.base() if i != "00000804"]
        self.assertPreload(state, ["00000404", "E0040804"] + rest)
        records = {number: record for number, record in self.seeded_hotkeys().items() if number < 0x100}
        records.update({0x100: (0xC006, 0x31, 0xE0020804), 0x101: (0xC001, 0xBC, 0x04040404),
                        0x102: (0xC006, 0x32, 0xE0040804)})
        self.assertHotkeys(state, records)
        self.assertCatalog(state, [layout[0] for layout in LAYOUTS])

    def test_switch_file_beside_the_program(self):
        self.prepare(self.base(), attributes=0)
        # Two switches on one line, one continued over a line break, and a lone
        # LF that stays inside an argument: "\n9" reads as position 0, the top.
        self.run_switch_file(b"/del3:FNKIME.ime /sh\r\nift\r\n/move3:00000804,\n9\r\n/add3:E0040804", "lines")
        state = self.read()
        rest = [i for i in self.base() if i not in ("E0020804", "00000804")]
        self.assertPreload(state, ["00000804"] + rest + ["E0040804"])
        self.assertEqual(state[KEYBOARD.upper()]["ATTRIBUTES"], (DWORD, le32(0x10000)))
        # The removed entry's hotkey is gone with it.
        self.assertHotkeys(state, {n: r for n, r in self.seeded_hotkeys().items() if n < 0x100})

    def test_uninstall(self):
        self.prepare(self.base())
        # E0030804 shows its file's description under either style; E0020804,
        # with the same name, is preloaded and so not found.
        text = ("/uninstall3:e0040804 /uninstall1:" + FNKIME_DESCRIPTION + "\r\n"
                "/uninstall1:Chinese (Traditional) - US Keyboard /uninstall3:00000404 /uninstall3:E0020804\r\n"
                "/uninstall2: /uninstall2:FNKBARE.ime")
        self.run_switch_file(self.ansi(text), "uninstall")
        state = self.read()
        # Plain layouts stay, and so does the preloaded IME.
        self.assertCatalog(state, ["00000409", "00000804", "00000404", "E0020804"])
        self.assertPreload(state, self.base())

    def ansi(self, text):
        """A switch file's bytes: the system's ANSI code page (GBK on the Simplified
        Chinese machine), or UTF-8 after a byte-order mark where that code page
        lacks the characters."""
        if self.machine.lang == "zh_CN.UTF-8":
            return text.encode("gbk")
        return b"\xef\xbb\xbf" + text.encode("utf-8")

    def test_install(self):
        self.prepare(self.base())
        before = set(self.read())
        arguments = ["/install:fnkime.ime"]
        language = "%04X" % self.machine.locale
        # Wine counts its new keys up from E002, past the keys that exist.
        new_id = {"0409": "E0020409", "0804": "E0050804", "0404": "E0020404"}[language]
        if not self.machine.english:
            # Offered after the install's reload (US variants never are).
            arguments.append("/add3:%s,alt_9" % new_id)
        self.run_fennick(*arguments)
        state = self.read()
        added = [path for path in state if path not in before and path.startswith(CATALOG.upper())]
        self.assertEqual(added, [(CATALOG + "\\" + new_id).upper()])
        # Wine stores the path as given: the system directory's file.
        self.assertEqual(state[added[0]], {
            "IME FILE": (SZ, "C:\\windows\\system32\\fnkime.ime"),
            "LAYOUT TEXT": (SZ, FNKIME_DESCRIPTION),
            "LAYOUT DISPLAY NAME": (SZ, FNKIME_DESCRIPTION),
        })
        if self.machine.english:
            self.assertPreload(state, self.base())
            self.assertHotkeys(state, self.seeded_hotkeys())
        else:
            self.assertPreload(state, self.base() + [new_id])
            records = self.seeded_hotkeys()
            records[0x101] = (0xC001, 0x39, int(new_id, 16))
            self.assertHotkeys(state, records)
        # The next run's apply keeps the IME: its file exists.
        self.run_fennick("x")
        self.assertIn(added[0], self.read())

    def test_install_hotkey_without_a_preload_entry(self):
        # Wine does not put the new IME into the preload list, so the hotkey
        # goes nowhere; the last entry does not get it.
        self.prepare(self.base())
        self.run_fennick("/install:Fennick Named,fnkime.ime,ctrl+shift_3")
        state = self.read()
        self.assertHotkeys(state, self.seeded_hotkeys())
        names = [values.get("LAYOUT DISPLAY NAME") for path, values in state.items()
                 if path.startswith(CATALOG.upper() + "\\E0")]
        self.assertIn((SZ, "Fennick Named"), names)

    def test_duplicate_registrations_are_removed_after_the_apply(self):
        layouts = LAYOUTS + [("E0060804", "Fennick Third", "FnkIme.Ime")]
        preload = self.base() + ["E0030804", "E0060804"]
        self.prepare(preload, layouts=layouts)
        self.run_fennick("x")
        state = self.read()
        # The later two share fnkime.ime with E0020804: their keys go, but the
        # list was applied before the clean-up and keeps them.
        self.assertCatalog(state, ["00000409", "00000804", "00000404", "E0020804", "E0040804", "E0050404"])
        self.assertPreload(state, preload)


class WindowsXpEnglish(SwitchMode, unittest.TestCase):
    machine = XP_ENGLISH

    def test_language_bar_started_and_stopped(self):
        self.prepare(self.base())
        self.run_fennick("/ctfmon")
        state = self.read()
        self.assertCtf(state, (0, 4))
        self.assertRun(state, {"CTFMON.EXE": (SZ, "ctfmon.exe")})
        self.assertEqual(len(harness.running_programs("ctfmon.exe")), 1)
        self.run_fennick("/off")
        state = self.read()
        self.assertRun(state, {})
        self.assertEqual(harness.running_programs("ctfmon.exe"), [])


class Windows7SimplifiedChinese(SwitchMode, unittest.TestCase):
    machine = WIN7_SIMPLIFIED


class Windows2000TraditionalChinese(SwitchMode, unittest.TestCase):
    machine = WIN2000_TRADITIONAL

    def test_legacy_indicator_started_and_stopped(self):
        self.prepare(self.base())
        self.run_fennick("/internat")
        state = self.read()
        self.assertCtf(state, None)  # Windows 2000 has no text-services values
        self.assertRun(state, {"INTERNAT.EXE": (SZ, "internat.exe")})
        self.assertEqual(len(harness.running_programs("internat.exe")), 1)
        self.run_fennick("/off")
        self.assertRun(self.read(), {})
        self.assertEqual(harness.running_programs("internat.exe"), [])


if __name__ == "__main__":
    unittest.main()
