#include "registry/catalog_value.h"

#include "registry/schema.h"

namespace fennick {

std::string ReadCatalogValue(Context& context, const std::string& layoutId, const char* valueName) {
  RegKey key = context.Registry.OpenForRead(schema::HKLM, schema::CatalogKey(layoutId));
  return context.Registry.GetString(key, valueName);
}

}  // namespace fennick
