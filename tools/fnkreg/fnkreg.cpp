// fnkreg: seeds and reads the registry for the end-to-end tests under Wine.
// It loads only kernel32 and advapi32: Wine rewrites the first preload value
// whenever a process loads user32, so reg.exe cannot be used to check it.
//
//   fnkreg apply FILE      run the commands of FILE (UTF-8, one per line, TAB-separated)
//   fnkreg dump KEY...     print each key's tree, one line per key and value
//
// Commands: key ROOT\path | delete ROOT\path (with its sub-keys) |
// sz|expand ROOT\path name text | dword ROOT\path name hex | binary ROOT\path name hexbytes |
// delvalue ROOT\path name. ROOT is HKCU or HKLM. Dump lines: "key<TAB>path" and
// "value<TAB>path<TAB>name<TAB>type<TAB>data", texts escaped (\\ \t \n \r \0), other data in hex.
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string Utf8(const wchar_t* w, size_t length) {
  if (length == 0) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w, static_cast<int>(length), s.data(), n, nullptr, nullptr);
  return s;
}

void Print(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

bool SplitRoot(const std::string& full, HKEY& root, std::wstring& path) {
  size_t slash = full.find('\\');
  std::string name = full.substr(0, slash);
  if (name == "HKCU") root = HKEY_CURRENT_USER;
  else if (name == "HKLM") root = HKEY_LOCAL_MACHINE;
  else return false;
  path = slash == std::string::npos ? L"" : Wide(full.substr(slash + 1));
  return true;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::vector<BYTE> HexBytes(const std::string& hex) {
  std::vector<BYTE> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<BYTE>(std::stoul(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

std::string Hex(const BYTE* data, DWORD size) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (DWORD i = 0; i < size; ++i) {
    out += digits[data[i] >> 4];
    out += digits[data[i] & 15];
  }
  return out;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\0': out += "\\0"; break;
      default: out += c;
    }
  }
  return out;
}

void DeleteTree(HKEY root, const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    std::vector<std::wstring> children;
    wchar_t name[512];
    for (DWORD i = 0;; ++i) {
      DWORD length = 512;
      if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::wstring& child : children) DeleteTree(root, path + L"\\" + child);
  }
  RegDeleteKeyW(root, path.c_str());
}

bool SetValue(HKEY root, const std::wstring& path, const std::string& name, DWORD type, const std::vector<BYTE>& data) {
  HKEY key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) return false;
  LONG status = RegSetValueExW(key, Wide(name).c_str(), 0, type, data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::vector<BYTE> TextData(const std::string& text) {
  std::wstring w = Wide(text);
  const BYTE* p = reinterpret_cast<const BYTE*>(w.c_str());
  return std::vector<BYTE>(p, p + (w.size() + 1) * sizeof(wchar_t));
}

bool Apply(const std::vector<std::string>& f) {
  HKEY root;
  std::wstring path;
  if (f.size() < 2 || !SplitRoot(f[1], root, path)) return false;
  const std::string& command = f[0];
  if (command == "key") {
    HKEY key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  if (command == "delete") {
    DeleteTree(root, path);
    return true;
  }
  if (f.size() < 3) return false;
  if (command == "delvalue") {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return true;
    RegDeleteValueW(key, Wide(f[2]).c_str());
    RegCloseKey(key);
    return true;
  }
  if (f.size() < 4) return false;
  if (command == "sz") return SetValue(root, path, f[2], REG_SZ, TextData(f[3]));
  if (command == "expand") return SetValue(root, path, f[2], REG_EXPAND_SZ, TextData(f[3]));
  if (command == "binary") return SetValue(root, path, f[2], REG_BINARY, HexBytes(f[3]));
  if (command == "dword") {
    DWORD number = std::stoul(f[3], nullptr, 16);
    const BYTE* p = reinterpret_cast<const BYTE*>(&number);
    return SetValue(root, path, f[2], REG_DWORD, std::vector<BYTE>(p, p + 4));
  }
  return false;
}

std::string ReadFileText(const std::wstring& name) {
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

void Dump(HKEY root, const std::wstring& path, const std::string& shown) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  Print("key\t" + shown + "\n");
  wchar_t name[16384];
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 16384, type = 0, size = static_cast<DWORD>(data.size());
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    std::string text;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      size_t count = size / sizeof(wchar_t);
      const wchar_t* chars = reinterpret_cast<const wchar_t*>(data.data());
      while (count > 0 && chars[count - 1] == L'\0') --count;
      text = Escape(Utf8(chars, count));
    } else {
      text = Hex(data.data(), size);
    }
    Print("value\t" + shown + "\t" + Escape(Utf8(name, nameLength)) + "\t" + std::to_string(type) + "\t" + text + "\n");
  }
  std::vector<std::wstring> children;
  for (DWORD i = 0;; ++i) {
    DWORD length = 16384;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name, length);
  }
  RegCloseKey(key);
  for (const std::wstring& child : children) {
    Dump(root, path.empty() ? child : path + L"\\" + child, shown + "\\" + Utf8(child.data(), child.size()));
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  std::wstring verb = argv[1];
  if (verb == L"apply") {
    std::string script = ReadFileText(argv[2]);
    int failures = 0;
    size_t start = 0;
    while (start < script.size()) {
      size_t end = script.find('\n', start);
      std::string line = script.substr(start, end - start);
      start = end == std::string::npos ? script.size() : end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      if (!Apply(Fields(line))) {
        Print("failed: " + line + "\n");
        ++failures;
      }
    }
    return failures == 0 ? 0 : 1;
  }
  if (verb == L"dump") {
    for (int i = 2; i < argc; ++i) {
      std::string full = Utf8(argv[i], wcslen(argv[i]));
      HKEY root;
      std::wstring path;
      if (SplitRoot(full, root, path)) Dump(root, path, full);
    }
    return 0;
  }
  return 2;
}
