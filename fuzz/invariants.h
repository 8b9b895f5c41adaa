// What every load establishes, checked after each fuzz run: a broken rule ends
// the run as a crash, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <set>

#include "model/main_window.h"

namespace fennick::fuzz {

inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

inline void CheckLoadedWindow(const MainWindow& window) {
  const WorkingSettings& s = window.Settings;
  std::set<std::string> preload;
  for (const PreloadEntry& entry : s.PreloadList) preload.insert(entry.LayoutId);
  for (const AvailableEntry& entry : s.AvailableList) {
    Require(!preload.count(entry.LayoutId), "no LayoutId is both preloaded and available");
  }
  for (const ImeHotkey& hotkey : s.ImeHotkeys) {
    Require(preload.count(hotkey.TargetLayoutId) == 1, "every hotkey targets a preload entry");
  }
  Require(window.PreloadListView.Rows.size() == s.PreloadList.size(), "one row per preload entry");
  Require(window.AvailableCombo.Items.size() == s.AvailableList.size(), "one item per available entry");
  Require(window.RowImages.size() == s.PreloadList.size(), "one image per row");
  Require(window.PreloadListView.Selected < static_cast<int>(s.PreloadList.size()), "selection inside the list");
}

}  // namespace fennick::fuzz
