#include "platform/win32/win32_files.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/unicode.h"

namespace fennick::win32 {

namespace {

std::optional<std::string> ReadBytes(const std::string& path) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(chunk, read);
  }
}

// A module mapped as resource data; LoadStringW reads from it in place.
class Win32ResourceModule : public platform::ResourceModule {
 public:
  explicit Win32ResourceModule(ModuleHandle module) : module_(std::move(module)) {}

  std::string String(std::uint16_t id) override {
    const wchar_t* text = nullptr;
    // A buffer size of 0 gives a pointer to the resource itself, so no length
    // limit applies.
    int length = LoadStringW(module_.Get(), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    return Narrow(text, static_cast<std::size_t>(length));
  }

 private:
  ModuleHandle module_;
};

std::wstring Hex4(WORD value) {
  static const wchar_t digits[] = L"0123456789ABCDEF";
  return {digits[(value >> 12) & 0xF], digits[(value >> 8) & 0xF], digits[(value >> 4) & 0xF], digits[value & 0xF]};
}

std::wstring FullPath(const std::wstring& path) {
  DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring full(length, L'\0');
  length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::optional<std::string> Win32Files::ReadTextFile(const std::string& path) {
  std::optional<std::string> bytes = ReadBytes(path);
  if (!bytes) return std::nullopt;
  const std::string bom = "\xEF\xBB\xBF";
  if (bytes->compare(0, bom.size(), bom) == 0) return bytes->substr(bom.size());
  return AnsiToUtf8(*bytes);
}

bool Win32Files::FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::CopyFileNoReplace(const std::string& source, const std::string& target) {
  return CopyFileW(Widen(source).c_str(), Widen(target).c_str(), TRUE) != 0;
}

std::string Win32Files::FileDescription(const std::string& path) {
  std::wstring widePath = Widen(path);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> block(size, 0);
  if (!GetFileVersionInfoW(widePath.c_str(), 0, size, block.data())) return {};

  struct Translation {
    WORD Language;
    WORD CodePage;
  };
  Translation* translations = nullptr;
  UINT translationBytes = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &translationBytes) ||
      translations == nullptr || translationBytes < sizeof(Translation)) {
    return {};
  }
  std::wstring query = L"\\StringFileInfo\\" + Hex4(translations[0].Language) + Hex4(translations[0].CodePage) +
                       L"\\FileDescription";
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || text == nullptr) {
    return {};
  }
  return Narrow(text, wcsnlen(text, length));
}

std::unique_ptr<platform::ResourceModule> Win32Files::OpenResourceModule(const std::string& path) {
  // The module is mapped, never started: no DllMain runs. A relative path is
  // made full first so that exactly the named file is opened, not one found
  // on the library search path.
  std::wstring full = FullPath(Widen(path));
  ModuleHandle module(LoadLibraryExW(full.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  // Systems before Vista do not know the image-resource flag.
  if (!module.Valid()) module = ModuleHandle(LoadLibraryExW(full.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module.Valid()) return nullptr;
  return std::make_unique<Win32ResourceModule>(std::move(module));
}

bool Win32Files::HasIcon(const std::string& path) {
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), Widen(path).c_str(), 0);
  // ExtractIcon gives 0 when the file has no icon and 1 when it is no icon
  // source at all.
  if (reinterpret_cast<UINT_PTR>(icon) <= 1) return false;
  DestroyIcon(icon);
  return true;
}

}  // namespace fennick::win32
