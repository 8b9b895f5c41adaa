// The real Windows: every platform interface through the Win32 API.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_input_methods.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"

namespace fennick::win32 {

class Win32Windows {
 public:
  platform::Platform Platform() { return {Registry, System, Files, Dialogs, Processes, Keyboard, InputMethods}; }

  Win32Registry Registry;
  Win32System System;
  Win32Files Files;
  Win32Dialogs Dialogs;
  Win32Processes Processes;
  Win32Keyboard Keyboard;
  Win32InputMethods InputMethods;
};

}  // namespace fennick::win32
