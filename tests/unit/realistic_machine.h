// A Windows XP machine with a Simplified Chinese system locale set up the way
// users have them: US and Chinese layouts, several IMEs (one whose file is
// gone, two sharing a file), a preload list with a hotkey, toggle hotkeys,
// chords, the language bar running, and an IME file ready to install. The
// hardening tests and the fuzzers run whole program starts on it.
#pragma once

#include "test_machine.h"

namespace fennick::testing {

inline void MakeRealistic(TestMachine& m) {
  m.AddLayout({"00000409", "US", "", ""});
  m.AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m.AddLayout({"00000404", "Chinese (Traditional) - US Keyboard", "", ""});
  m.AddLayout({"00000411", "Japanese", "", "", "KBDJPN.DLL"});
  m.AddLayout({"0000040C", "French", "", "", "KBDFR.DLL"});
  m.AddLayout({"E0010804", "Chinese (Simplified) - Microsoft Pinyin", "Microsoft Pinyin", "PINTLGNT.IME"});
  m.AddLayout({"E0020804", "Chinese (Simplified) - Zhengma", "", "WINZM.IME"});
  m.AddLayout({"E0030804", "Chinese (Simplified) - Gone", "", "GONE.IME"});
  m.AddLayout({"E0040804", "Chinese (Simplified) - Pinyin again", "", "pintlgnt.ime"});
  m.AddLayout({"E0010404", "Chinese (Traditional) - ChaJei", "", "CHAJEI.IME"});
  m.AddImeFile("PINTLGNT.IME", "微软拼音输入法");
  m.AddImeFile("WINZM.IME", "郑码输入法");
  m.AddImeFile("CHAJEI.IME", "倉頡輸入法");
  m.AddImeFile("fnkime.ime", "Fennick Test IME");
  m.SetPreload({"00000804", "E0010804", "E0020804", "E0040804"});
  const std::string record = schema::HotKeyRecordKey(0x100);
  m.windows.Registry.PutBytes(schema::HKCU, record, "Key Modifiers", {0x06, 0xC0, 0, 0});
  m.windows.Registry.PutBytes(schema::HKCU, record, "Virtual Key", {0x31, 0, 0, 0});
  m.windows.Registry.PutBytes(schema::HKCU, record, "Target IME", {0x04, 0x08, 0x01, 0xE0});
  m.windows.Registry.PutBytes(schema::HKCU, schema::HotKeyRecordKey(0x10), "Key Modifiers", {0x02, 0xC0, 0, 0});
  m.windows.Registry.PutBytes(schema::HKCU, schema::HotKeyRecordKey(0x10), "Virtual Key", {0x20, 0, 0, 0});
  m.windows.Registry.PutString(schema::HKCU, schema::kToggleKey, "Hotkey", "1");
  m.windows.Registry.PutString(schema::HKCU, schema::kToggleKey, "Language Hotkey", "1");
  m.windows.Registry.PutString(schema::HKCU, schema::kToggleKey, "Layout Hotkey", "2");
  m.windows.Registry.PutString(schema::HKCU, schema::kRunKey, "ctfmon.exe", "ctfmon.exe");
  m.windows.Files.Put(m.SystemFile("ctfmon.exe"), {});
  m.windows.Files.Put("C:\\Program Files\\Fennick\\internat.exe", {});
  m.windows.Processes.AddProcess("ctfmon.exe");
  m.windows.Keyboard.Loaded = {0x08040804, 0xE0010804, 0xE0020804};
}

}  // namespace fennick::testing
