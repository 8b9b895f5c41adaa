#include "app/duplicate_cleanup.h"

#include "common/text.h"
#include "registry/schema.h"
#include "settings/catalog.h"
#include "settings/preload_editing.h"
#include "settings/preload_selection.h"

namespace fennick {

namespace {

std::string UpperImeFile(Context& context, const MainWindow& window, int row) {
  return ToUpperAscii(ReadImeFile(context, window.Settings.PreloadList[static_cast<std::size_t>(row)].LayoutId));
}

bool DuplicatesEarlierRow(Context& context, const MainWindow& window, int row, const std::string& imeFile) {
  for (int earlier = row - 1; earlier >= 0; --earlier) {
    if (UpperImeFile(context, window, earlier) == imeFile) return true;
  }
  return false;
}

}  // namespace

void RemoveDuplicateImes(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  for (int row = static_cast<int>(s.PreloadList.size()) - 1; row >= 0; --row) {
    const std::string imeFile = UpperImeFile(context, window, row);
    if (imeFile.empty() || !DuplicatesEarlierRow(context, window, row, imeFile)) continue;
    const std::string layoutId = s.PreloadList[static_cast<std::size_t>(row)].LayoutId;
    // The same LayoutId listed twice shares one catalog key with its earlier
    // row: only the repeated row goes, the key stays.
    bool sharedKey = false;
    for (int earlier = 0; earlier < row; ++earlier) {
      sharedKey = sharedKey || s.PreloadList[static_cast<std::size_t>(earlier)].LayoutId == layoutId;
    }
    if (!sharedKey) context.Registry.DeleteKey(schema::HKLM, schema::CatalogKey(layoutId));
    SelectPreloadRow(context, window, row);
    RemoveEntry(context, window);
    // RemoveEntry handed the entry back to the available list; its key is gone.
    for (std::size_t i = 0; i < s.AvailableList.size(); ++i) {
      if (s.AvailableList[i].LayoutId == layoutId) {
        RemoveAvailableEntry(window, i);
        break;
      }
    }
  }
}

}  // namespace fennick
