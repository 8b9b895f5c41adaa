// The in-memory Windows: every platform interface over one inspectable state
// and one call log.
#pragma once

#include "platform/platform.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_input_methods.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_system.h"

namespace fennick::sim {

class SimWindows {
 public:
  SimWindows() = default;
  SimWindows(const SimWindows&) = delete;
  SimWindows& operator=(const SimWindows&) = delete;

  platform::Platform Platform() { return {Registry, System, Files, Dialogs, Processes, Keyboard, InputMethods}; }

  CallLog Log;
  SimRegistry Registry{Log};
  SimSystem System{Log};
  SimFiles Files{Log};
  SimDialogs Dialogs{Log};
  SimProcesses Processes{Log, Files, System};
  SimKeyboard Keyboard{Log};
  SimInputMethods InputMethods{Log, Registry, System};
};

}  // namespace fennick::sim
