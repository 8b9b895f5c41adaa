// The small image of each row of the preload list.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"
#include "settings/catalog_files.h"

namespace fennick {

// Row i shows the first icon of entry i's IME file when that file has one,
// otherwise the program's own icon. A bare "IME File" name is taken from the
// system directory, never from wherever the current directory happens to be.
void RefreshRowIcons(Context& context, MainWindow& window, CatalogFileCache& files);
void RefreshRowIcons(Context& context, MainWindow& window);

}  // namespace fennick
