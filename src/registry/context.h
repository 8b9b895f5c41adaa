// What the program's logic needs of the machine it runs on: the platform calls,
// the Windows version (classified once) and the registry store over them.
#pragma once

#include "common/windows_version.h"
#include "platform/platform.h"
#include "registry/registry_store.h"

namespace fennick {

struct Context {
  explicit Context(const platform::Platform& os)
      : Os(os), Version(ClassifyWindowsVersion(os.system.VersionValue())), Registry(os.registry, Version) {}

  platform::Platform Os;
  WindowsVersion Version;
  RegistryStore Registry;
};

}  // namespace fennick
