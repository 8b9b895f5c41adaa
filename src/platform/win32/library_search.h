#pragma once

namespace fennick::win32 {

// Makes the process load libraries only from the system directory: never from
// the current directory, the PATH or the program's own folder, where a file of
// a system library's name could run with the user's rights. Called first
// thing at start.
void RestrictLibrarySearch();

}  // namespace fennick::win32
