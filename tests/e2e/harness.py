"""Runs fennick.exe and the registry helper under Wine for the end-to-end tests.

The test command makes one Wine prefix per run (WINEPREFIX) and points
FENNICK_BUILD at the Windows build tree. Cases seed and read the registry
through fnkreg.exe, which loads no user32 and so leaves the preload list alone.
"""
import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

BUILD = Path(os.environ.get("FENNICK_BUILD", Path(__file__).resolve().parents[2] / "build" / "win"))
FENNICK = BUILD / "fennick.exe"
FNKREG = BUILD / "fnkreg.exe"

# Wine's names for the Windows versions it can play.
VERSIONS = ("win98", "win2k", "winxp", "winxp64", "win2003", "vista", "win7", "win8", "win10")
# LANG values and the system locale Wine derives from each.
LOCALES = {"C": 0x0409, "zh_CN.UTF-8": 0x0804, "zh_TW.UTF-8": 0x0404, "zh_HK.UTF-8": 0x0C04, "ja_JP.UTF-8": 0x0411}


class Run:
    def __init__(self, returncode, stdout, stderr, seconds):
        self.returncode = returncode
        self.stdout = stdout
        self.stderr = stderr
        self.seconds = seconds


def wine_env(lang="C", display=False):
    env = dict(os.environ)
    env["LANG"] = lang
    env["LC_ALL"] = lang
    env.setdefault("WINEDEBUG", "-all")
    if not display:
        env.pop("DISPLAY", None)
    return env


def wine(program, *args, lang="C", timeout=30, display=False, cwd=None):
    """Runs a Windows program under Wine and waits for it to end."""
    start = time.monotonic()
    # Output goes to files, not pipes: Wine's helper processes (services,
    # winedevice) inherit the handles and keep a pipe open while the server
    # lingers, so reading a pipe to its end would wait for them.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.run(
            ["wine", str(program), *args],
            env=wine_env(lang, display),
            cwd=cwd,
            stdout=out,
            stderr=err,
            timeout=timeout,
        )
        out.seek(0)
        err.seek(0)
        return Run(process.returncode, out.read(), err.read(), time.monotonic() - start)


def fennick(*args, lang="C", timeout=30, program=FENNICK):
    """Runs fennick.exe in switch mode, without a display."""
    return wine(program, *args, lang=lang, timeout=timeout)


def registry_apply(commands):
    """Applies fnkreg commands: tuples such as ("sz", "HKCU\\Keyboard Layout\\Preload", "1", "00000409")."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as script:
        for command in commands:
            script.write("\t".join(command) + "\n")
        name = script.name
    try:
        run = wine(FNKREG, "apply", name)
        if run.returncode != 0:
            raise RuntimeError("fnkreg apply failed: " + run.stdout.decode("utf-8", "replace"))
    finally:
        os.unlink(name)


def _unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"\\": "\\", "t": "\t", "n": "\n", "r": "\r", "0": "\0"}[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def registry_dump(*keys):
    """Reads whole key trees: {key path: {value name: (type, data)}}, texts as str, other data as bytes."""
    run = wine(FNKREG, "dump", *keys)
    tree = {}
    for line in run.stdout.decode("utf-8").splitlines():
        fields = line.split("\t")
        if fields[0] == "key":
            tree.setdefault(fields[1], {})
        elif fields[0] == "value":
            _, path, name, kind, data = fields
            kind = int(kind)
            value = _unescape(data) if kind in (1, 2) else bytes.fromhex(data)
            tree.setdefault(path, {})[_unescape(name)] = (kind, value)
    return tree


def set_windows_version(version):
    """Makes the prefix play a Windows version (GetVersion of later processes)."""
    assert version in VERSIONS
    registry_apply([("sz", "HKCU\\Software\\Wine", "Version", version)])


def prefix():
    return Path(os.environ["WINEPREFIX"])


def program_folder(name):
    """A fresh folder inside the prefix holding a copy of fennick.exe."""
    folder = prefix() / "drive_c" / "fennick-e2e" / name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    shutil.copy(FENNICK, folder / "fennick.exe")
    return folder


def system32():
    """The prefix's system directory (fennick.exe is a 64-bit program)."""
    return prefix() / "drive_c" / "windows" / "system32"


def install_system_files(*names):
    """Copies files the build made for the system directory into the prefix's."""
    for name in names:
        shutil.copy(BUILD / "fixtures" / "system32" / name, system32() / name)


def running_programs(name):
    """Process ids of this prefix's Wine processes running the program (its file name)."""
    pids = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            environ = (entry / "environ").read_bytes().split(b"\0")
            program = (entry / "cmdline").read_bytes().split(b"\0")[0].decode("utf-8", "replace")
        except OSError:
            continue
        if ("WINEPREFIX=" + str(prefix())).encode() not in environ:
            continue
        # A Wine process's first word is its Windows path.
        if program.lower().replace("/", "\\").rsplit("\\", 1)[-1] == name.lower():
            pids.append(int(entry.name))
    return pids
