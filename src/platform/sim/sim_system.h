// System facts of the in-memory Windows; tests set them directly.
#pragma once

#include <map>
#include <string>

#include "platform/sim/call_log.h"
#include "platform/system_info.h"

namespace fennick::sim {

// GetVersion values as Windows reports them (build number in the high word).
namespace version {
constexpr std::uint32_t Windows31 = 0x80000A03;
constexpr std::uint32_t Windows95 = 0xC3B60004;
constexpr std::uint32_t Windows98 = 0xC0000A04;
constexpr std::uint32_t WindowsMe = 0xC0005A04;
constexpr std::uint32_t WindowsNT4 = 0x05650004;
constexpr std::uint32_t Windows2000 = 0x08930005;
constexpr std::uint32_t WindowsXP = 0x0A280105;
constexpr std::uint32_t Windows2003 = 0x0ECE0205;
constexpr std::uint32_t WindowsVista = 0x17700006;
constexpr std::uint32_t Windows7 = 0x1DB10106;
constexpr std::uint32_t Windows8 = 0x23F00206;
constexpr std::uint32_t Windows10 = 0x4A61000A;
}  // namespace version

class SimSystem : public platform::SystemInfo {
 public:
  explicit SimSystem(CallLog& log) : log_(log) {}

  std::uint32_t DefaultLocale() override { log_.Record("GetSystemDefaultLCID"); return Locale; }
  std::uint32_t VersionValue() override { log_.Record("GetVersion"); return Version; }
  std::string CommandLine() override { log_.Record("GetCommandLine"); return CommandLineText; }
  std::string ExecutablePath() override { log_.Record("GetModuleFileName"); return ExecutableFile; }
  std::string SystemDirectory() override { log_.Record("GetSystemDirectory"); return SystemFolder; }
  std::string WindowsDirectory() override { log_.Record("GetWindowsDirectory"); return WindowsFolder; }
  std::string ExpandEnvironment(const std::string& text) override;

  std::uint32_t Locale = 0x0409;
  std::uint32_t Version = version::WindowsXP;
  std::string CommandLineText = "\"C:\\Program Files\\Fennick\\fennick.exe\"";
  std::string ExecutableFile = "C:\\Program Files\\Fennick\\fennick.exe";
  std::string SystemFolder = "C:\\WINDOWS\\system32";
  std::string WindowsFolder = "C:\\WINDOWS";
  // Environment variables; names compare without case.
  std::map<std::string, std::string> Environment = {{"SystemRoot", "C:\\WINDOWS"}, {"windir", "C:\\WINDOWS"}};

 private:
  CallLog& log_;
};

}  // namespace fennick::sim
