// Everything the program asks of the operating system, one interface per area.
// platform/win32 implements them with real calls; platform/sim is an in-memory
// Windows for tests.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/input_methods.h"
#include "platform/keyboard.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace fennick::platform {

struct Platform {
  Registry& registry;
  SystemInfo& system;
  Files& files;
  Dialogs& dialogs;
  Processes& processes;
  Keyboard& keyboard;
  InputMethods& inputMethods;
};

}  // namespace fennick::platform
