#include "ime/install_ime.h"

#include "common/text.h"
#include "registry/schema.h"
#include "settings/apply_settings.h"
#include "settings/load_settings.h"

namespace fennick {

std::string InstallIme(Context& context, MainWindow& window) {
  ApplyWorkingSettings(context, window);
  const std::string name = window.InstallNameEdit.Text;
  const platform::LayoutHandle handle = context.Os.inputMethods.InstallIme(window.InstallFileEdit.Text, name);
  std::string layoutId;
  if (handle != 0) {
    // The handle's eight digits name the new key; an existing key only, so a
    // handle that names none creates nothing.
    layoutId = Hex8(handle);
    RegKey key = context.Registry.OpenForWrite(schema::HKLM, schema::CatalogKey(layoutId));
    context.Registry.SetString(key, schema::kLayoutDisplayNameValue, name);
  }
  LoadWorkingSettings(context, window);
  return layoutId;
}

}  // namespace fennick
