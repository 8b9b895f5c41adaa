#include "settings/row_icons.h"

#include "registry/schema.h"

namespace fennick {

void RefreshRowIcons(Context& context, MainWindow& window, CatalogFileCache& files) {
  window.RowImages.clear();
  for (const PreloadEntry& entry : window.Settings.PreloadList) {
    RegKey key = context.Registry.OpenForRead(schema::HKLM, schema::CatalogKey(entry.LayoutId));
    const std::string imeFile = context.Registry.GetString(key, schema::kImeFileValue);
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
