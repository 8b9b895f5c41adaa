# Cross build for Windows: fennick.exe, the Win32 conformance tests and the
# helpers the end-to-end tests run under Wine. Everything is linked statically
# so no mingw DLL has to travel with the programs.
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/platform/win32/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/win_main\\.cpp$")
add_library(fennick_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(fennick_win32 PUBLIC fennick_core)
target_compile_definitions(fennick_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(fennick_win32 PUBLIC advapi32 user32 gdi32 comctl32 comdlg32 shell32 imm32 version)

add_executable(fennick WIN32 ${PROJECT_SOURCE_DIR}/src/ui/win32/win_main.cpp ${PROJECT_SOURCE_DIR}/res/fennick.rc)
target_link_options(fennick PRIVATE -municode)
target_link_libraries(fennick PRIVATE fennick_win32)

# GoogleTest built from Debian's source package with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Test fixtures made by this build (PE files with resources, stand-in
# programs): each area describes its own in tests/fixtures/*.cmake and puts the
# files the tests expect in the system directory into FIXTURE_SYSTEM32_DIR,
# adding their targets to the list FIXTURE_TARGETS.
set(FIXTURE_SYSTEM32_DIR ${CMAKE_BINARY_DIR}/fixtures/system32)
file(MAKE_DIRECTORY ${FIXTURE_SYSTEM32_DIR})
set(FIXTURE_TARGETS "")
file(GLOB FIXTURE_SCRIPTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/*.cmake)
foreach(script ${FIXTURE_SCRIPTS})
  include(${script})
endforeach()

file(GLOB CONFORMANCE_WIN32 CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/conformance/win32/*.cpp)
add_executable(conformance_win32 ${CONFORMANCE_SUITES} ${CONFORMANCE_WIN32})
target_include_directories(conformance_win32 PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(conformance_win32 PRIVATE fennick_win32 gtest)
if(FIXTURE_TARGETS)
  add_dependencies(conformance_win32 ${FIXTURE_TARGETS})
endif()

# The end-to-end tests seed and read the registry through this helper, which
# loads no user32 (Wine rewrites the first preload value whenever user32 loads).
add_executable(fnkreg ${PROJECT_SOURCE_DIR}/tools/fnkreg/fnkreg.cpp)
target_compile_definitions(fnkreg PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
target_link_options(fnkreg PRIVATE -municode)
target_link_libraries(fnkreg PRIVATE advapi32)

# Drives fennick.exe's window from outside for the screenshots.
add_executable(fnkwin ${PROJECT_SOURCE_DIR}/tools/fnkwin/fnkwin.cpp)
target_compile_definitions(fnkwin PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
target_link_options(fnkwin PRIVATE -municode)
target_include_directories(fnkwin PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(fnkwin PRIVATE user32 comctl32)

# The main window created in process and checked through its real controls;
# needs a display (the test command runs it under Xvfb).
file(GLOB WINDOW_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/window/*.cpp)
add_executable(window_tests ${WINDOW_TESTS} ${PROJECT_SOURCE_DIR}/tests/window/window_tests.rc)
target_include_directories(window_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/res)
target_link_libraries(window_tests PRIVATE fennick_win32 gtest gtest_main)
