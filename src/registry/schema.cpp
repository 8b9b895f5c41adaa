#include "registry/schema.h"

#include "common/text.h"

namespace fennick::schema {

std::string PreloadSubKey(int n) { return std::string(kPreloadKey) + "\\" + std::to_string(n); }

std::string CatalogKey(const std::string& layoutId) { return std::string(kLayoutsKey) + "\\" + layoutId; }

std::string HotKeyRecordKey(std::uint32_t recordNumber) {
  return std::string(kHotKeysKey) + "\\" + Hex8(recordNumber);
}

}  // namespace fennick::schema
