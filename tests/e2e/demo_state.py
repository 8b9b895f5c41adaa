#!/usr/bin/env python3
"""Seeds a Wine prefix with a demo input-method setup: a layout catalog with US,
Chinese, Japanese and Korean layouts and IMEs, a preload list and a few hotkeys.
The IMEs' files are test files the Windows build made (build/win/fixtures),
copied into the prefix's system directory.

Usage: demo_state.py [path of fnkreg.exe]   (WINEPREFIX must be set)
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

CATALOG = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts"

LAYOUTS = [
    ("00000409", "US", "KBDUS.DLL", None),
    ("00000804", "Chinese (Simplified) - US Keyboard", "KBDUS.DLL", None),
    ("00000404", "Chinese (Traditional) - US Keyboard", "KBDUS.DLL", None),
    ("00000411", "Japanese", "KBDJPN.DLL", None),
    ("00000412", "Korean", "KBDKOR.DLL", None),
    ("00000407", "German", "KBDGR.DLL", None),
    ("0000040C", "French", "KBDFR.DLL", None),
    ("00010409", "United States-Dvorak", "KBDDV.DLL", None),
    ("E0200804", "Fennick Pinyin", "KBDUS.DLL", "fnkime.ime"),
    ("E0210804", "Fennick Wubi", "KBDUS.DLL", "fnkbare.ime"),
    # Under Chinese locales Wine writes these into preload value "1" when a
    # program starts; the catalog names them so that the row shows an IME.
    ("E0010804", "Fennick Shuangpin", "KBDUS.DLL", "fnkfirst.ime"),
    ("E0010404", "Fennick Zhuyin", "KBDUS.DLL", "fnkbare.ime"),
]

# Hotkey records: (number, modifiers, virtual key, target): Left Ctrl+Shift+1
# switches to the Pinyin IME; Ctrl+SPACE toggles IMEs on a Simplified Chinese
# system (record 0x10) and Shift+SPACE switches their shape (record 0x11).
HOTKEYS = [
    (0x100, 0x8006, 0x31, 0xE0200804),
    (0x10, 0xC002, 0x20, 0),
    (0x11, 0xC004, 0x20, 0),
]
IME_FILES = ("fnkime.ime", "fnkfirst.ime", "fnkbare.ime")


def demo_commands():
    commands = []
    for layout_id, text, layout_file, ime_file in LAYOUTS:
        key = CATALOG + "\\" + layout_id
        commands += [("sz", key, "Layout Text", text), ("sz", key, "Layout File", layout_file)]
        if ime_file:
            commands += [("sz", key, "IME File", ime_file), ("sz", key, "Layout Display Name", text)]
    for number, modifiers, virtual_key, target in HOTKEYS:
        key = "HKCU\\Control Panel\\Input Method\\Hot Keys\\%08X" % number
        for name, value in (("Key Modifiers", modifiers), ("Virtual Key", virtual_key), ("Target IME", target)):
            commands.append(("binary", key, name, value.to_bytes(4, "little").hex()))
    commands += [
        ("delete", "HKCU\\Keyboard Layout\\Preload"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "1", "00000409"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "2", "00000804"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "3", "00000404"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "4", "E0200804"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Hotkey", "1"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Language Hotkey", "1"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Layout Hotkey", "2"),
        ("sz", "HKCU\\Control Panel\\Input Method", "Show Status", "1"),
    ]
    return commands


def main():
    if len(sys.argv) > 1:
        harness.FNKREG = Path(sys.argv[1]).resolve()
        harness.BUILD = harness.FNKREG.parent
    harness.install_system_files(*IME_FILES)
    harness.registry_apply(demo_commands())


if __name__ == "__main__":
    main()
