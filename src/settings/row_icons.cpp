#include "settings/row_icons.h"

#include "settings/catalog.h"

namespace fennick {

void RefreshRowIcons(Context& context, MainWindow& window, CatalogFileCache& files) {
  window.RowImages.clear();
  for (const PreloadEntry& entry : window.Settings.PreloadList) {
    const std::string imeFile = ReadImeFile(context, entry.LayoutId);
    std::string source;
    if (!imeFile.empty()) {
      std::string path = files.ImeFilePath(imeFile);
      if (context.Os.files.HasIcon(path)) source = path;
    }
    window.RowImages.push_back(source);
  }
}

void RefreshRowIcons(Context& context, MainWindow& window) {
  CatalogFileCache files(context);
  RefreshRowIcons(context, window, files);
}

}  // namespace fennick
