#!/usr/bin/env python3
"""Seeds a Wine prefix with a demo input-method setup: a layout catalog with US,
Chinese, Japanese and Korean layouts and IMEs, a preload list and a few hotkeys.

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
]


def demo_commands():
    commands = []
    for layout_id, text, layout_file, _ in LAYOUTS:
        key = CATALOG + "\\" + layout_id
        commands += [("sz", key, "Layout Text", text), ("sz", key, "Layout File", layout_file)]
    commands += [
        ("delete", "HKCU\\Keyboard Layout\\Preload"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "1", "00000409"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "2", "00000804"),
        ("sz", "HKCU\\Keyboard Layout\\Preload", "3", "00000404"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Hotkey", "1"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Language Hotkey", "1"),
        ("sz", "HKCU\\Keyboard Layout\\Toggle", "Layout Hotkey", "2"),
        ("sz", "HKCU\\Control Panel\\Input Method", "Show Status", "1"),
    ]
    return commands


def main():
    if len(sys.argv) > 1:
        harness.FNKREG = Path(sys.argv[1]).resolve()
    harness.registry_apply(demo_commands())


if __name__ == "__main__":
    main()
