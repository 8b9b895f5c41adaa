// The input method manager of the in-memory Windows. Installing behaves like
// Wine's: a new catalog key E0xxLLLL (xx counting up from 02 past the keys that
// exist, LLLL the system's language) with "Ime File" as given and "Layout
// Text", whether the file exists or not. Windows also appends the new IME to
// the user's preload list; AddsToPreload plays that.
#pragma once

#include <string>
#include <vector>

#include "platform/input_methods.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_system.h"

namespace fennick::sim {

class SimInputMethods : public platform::InputMethods {
 public:
  SimInputMethods(CallLog& log, SimRegistry& registry, SimSystem& system)
      : log_(log), registry_(registry), system_(system) {}

  // Fails (0) when the call log's hook says so or HKLM cannot be written.
  platform::LayoutHandle InstallIme(const std::string& imeFile, const std::string& layoutText) override;
  // True for an IME's handle (its first hexadecimal digit is not 0).
  bool ConfigureIme(platform::LayoutHandle handle) override;

  bool AddsToPreload = false;
  std::vector<platform::LayoutHandle> Installed;   // in order
  std::vector<platform::LayoutHandle> Configured;  // dialogs opened, in order

 private:
  CallLog& log_;
  SimRegistry& registry_;
  SimSystem& system_;
};

}  // namespace fennick::sim
