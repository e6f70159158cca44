# wine_tests.exe: the tests that start the real Glimmerbox.scr under Wine and judge
# it from outside. Built with the x86_64 -posix toolchain, because GoogleTest needs
# std::mutex, and linked statically so that it runs in a bare prefix.

# GoogleTest from the distribution's sources, gtest only. Its project also enables
# C; use the C compiler that belongs to the C++ one.
if(NOT CMAKE_C_COMPILER)
  string(REGEX REPLACE "g\\+\\+" "gcc" CMAKE_C_COMPILER "${CMAKE_CXX_COMPILER}")
endif()
set(GLIMMERBOX_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${GLIMMERBOX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB GLIMMERBOX_WINE_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/support/*.cpp)
file(GLOB GLIMMERBOX_WINE_CASES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/cases/*.cpp)

# The pure rules come along so that cases can compute what they expect.
add_executable(wine_tests ${GLIMMERBOX_WINE_CASES} ${GLIMMERBOX_WINE_SUPPORT} ${GLIMMERBOX_RULE_SOURCES})
target_include_directories(wine_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/wine)
# Everything on the test side is wide: cross-process text reads are reliable
# only through the W calls. Narrow literals in the tests stay UTF-8.
target_compile_definitions(wine_tests PRIVATE
  _WIN32_WINNT=0x0600 WINVER=0x0600 NOMINMAX STRICT UNICODE _UNICODE)
target_compile_options(wine_tests PRIVATE -Wall -Wextra)
target_link_options(wine_tests PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(wine_tests PRIVATE gtest gtest_main version gdi32 user32 kernel32)

# The stand-in handler of the mailto and http schemes that the link cases register:
# it records the command line the shell starts it with. It lands next to wine_tests.exe.
add_executable(shell_recorder ${CMAKE_SOURCE_DIR}/tests/wine/recorder/Recorder.cpp)
target_compile_definitions(shell_recorder PRIVATE UNICODE _UNICODE)
target_link_options(shell_recorder PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++)
add_dependencies(wine_tests shell_recorder)

# Benchmarks: built with the tests, never run by CTest (scripts/bench.sh runs them).
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/wine/bench ${CMAKE_BINARY_DIR}/bench)
