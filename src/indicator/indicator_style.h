// Indicator style switching: finding, starting and ending the language bar
// (ctfmon.exe) and the legacy indicator (internat.exe), their log-on autostart
// values, the registration of the text-services libraries, and the apply step
// that puts the chosen style into effect.
#pragma once

#include <string>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

namespace indicator {
constexpr char kCtfmon[] = "ctfmon.exe";      // the text-services language bar
constexpr char kInternat[] = "internat.exe";  // the legacy indicator
constexpr char kIndicatorLibrary[] = "indicdll.dll";
constexpr char kLangBarLibrary[] = "msutb.dll";
constexpr char kTextServicesLibrary[] = "msctf.dll";
constexpr char kInputMethodBridgeLibrary[] = "msimtf.dll";
}  // namespace indicator

// True when a running process's executable, either its file name (the text
// after the last ":", "\" or "/") or its whole name, equals name, ignoring the
// case of ASCII letters. False when no process snapshot can be taken.
bool IsProcessRunning(Context& context, const std::string& name);

// Ends every running process that IsProcessRunning's rule matches, with exit
// code 0, without waiting. Failures are ignored.
void TerminateProcesses(Context& context, const std::string& name);

// Deletes, under HKCU and then HKLM, every Run value whose text, cut after its
// last ":", "\" or "/", equals name exactly (letter case included). A quoted
// path or a command line with arguments does not match.
void RemoveRunEntries(Context& context, const std::string& name);

enum class ServerRegistration { Register, Unregister };

// Loads the library from the system directory, never from anywhere else, and
// calls its DllRegisterServer or DllUnregisterServer. True when the entry point
// exists and returns a success code (0 or more).
bool CallServerRegistration(Context& context, const std::string& library, ServerRegistration registration);

// Where StartProgram may find a program.
enum class ProgramSource {
  // Only the system directory: a file of the same name in the current or the
  // program's directory must not run with the user's rights.
  SystemDirectory,
  // The system directory, then this program's own folder (where a user puts a
  // program the system lacks), then the Windows directory (where the Windows
  // 95 line keeps it). Never the current directory or the PATH.
  SystemOwnOrWindowsDirectory,
};

// Starts the program with a shown window, always by the full path of the first
// folder of the source that holds it; not at all when none does. Waits at most
// 5 ms; whether it started is for IsProcessRunning to say.
void StartProgram(Context& context, const std::string& name, ProgramSource source);

// Puts the window's IndicatorStyle and IndicatorEnabled into effect for the
// running Windows version: the CTF values, the text-services libraries, the
// programs and their Run values. A program that cannot be started is reported
// in a message box in the language of the SystemLocale: ctfmon.exe in either
// run mode, internat.exe only in window mode.
void ApplyIndicatorStyle(Context& context, const MainWindow& window);

}  // namespace fennick
