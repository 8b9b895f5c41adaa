# Native Linux build: the core against the in-memory Windows, with the unit
# tests and the conformance suites.
option(FENNICK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(FENNICK_FUZZ "Build the libFuzzer targets (with clang) instead of the tests" OFF)

file(GLOB_RECURSE SIM_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/sim/*.cpp)
add_library(fennick_sim STATIC ${SIM_SOURCES})
target_link_libraries(fennick_sim PUBLIC fennick_core)

if(FENNICK_SANITIZE OR FENNICK_FUZZ)
  set(SANITIZERS address,undefined)
  if(FENNICK_FUZZ)
    set(SANITIZERS fuzzer-no-link,address,undefined)
  endif()
  # PUBLIC, so that everything linked with the core is instrumented too.
  target_compile_options(fennick_core PUBLIC -fsanitize=${SANITIZERS} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(fennick_core PUBLIC -fsanitize=address,undefined)
endif()

if(FENNICK_FUZZ)
  # One fuzzer per fuzz/*_fuzzer.cpp; scripts/fuzz.sh builds and runs them.
  file(GLOB FUZZERS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
  foreach(source ${FUZZERS})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE fennick_sim)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
  return()
endif()

find_package(GTest REQUIRED)
enable_testing()

file(GLOB_RECURSE UNIT_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TESTS})
target_include_directories(unit_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(unit_tests PRIVATE fennick_sim GTest::gtest GTest::gtest_main)
add_test(NAME unit_tests COMMAND unit_tests)

file(GLOB CONFORMANCE_SIM CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/conformance/sim/*.cpp)
add_executable(conformance_sim ${CONFORMANCE_SUITES} ${CONFORMANCE_SIM})
target_include_directories(conformance_sim PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(conformance_sim PRIVATE fennick_sim GTest::gtest)
add_test(NAME conformance_sim COMMAND conformance_sim)

# Load and apply on a real-sized machine; run it with scripts/benchmark.sh.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(load_benchmark ${PROJECT_SOURCE_DIR}/benchmarks/load_benchmark.cpp)
  target_include_directories(load_benchmark PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(load_benchmark PRIVATE fennick_sim benchmark::benchmark)
endif()
