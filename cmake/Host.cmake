include(ExternalProject)
enable_testing()

# --- Host unit tests of the pure rules -------------------------------------
find_package(GTest REQUIRED)
file(GLOB GLIMMERBOX_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${GLIMMERBOX_UNIT_TESTS} ${GLIMMERBOX_RULE_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(unit_tests PRIVATE -Wall -Wextra)
target_compile_definitions(unit_tests PRIVATE GLIMMERBOX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 30)

# --- The two builds of the program and the Wine tests ----------------------
set(GLIMMERBOX_CROSS_ROOT ${CMAKE_BINARY_DIR}/cross)
foreach(kind win32 win64 winetests)
  if(kind STREQUAL "win32")
    set(toolchain toolchain-i686.cmake)
    set(build program)
  elseif(kind STREQUAL "win64")
    set(toolchain toolchain-x86_64.cmake)
    set(build program)
  else()
    set(toolchain toolchain-x86_64-posix.cmake)
    set(build wine-tests)
  endif()
  ExternalProject_Add(${kind}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${GLIMMERBOX_CROSS_ROOT}/${kind}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${toolchain}
               -DGLIMMERBOX_BUILD=${build}
               -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    TEST_COMMAND "")
endforeach()

set(GLIMMERBOX_SCR32 ${GLIMMERBOX_CROSS_ROOT}/win32/Glimmerbox.scr)
set(GLIMMERBOX_SCR64 ${GLIMMERBOX_CROSS_ROOT}/win64/Glimmerbox.scr)
set(GLIMMERBOX_WINE_TESTS_EXE ${GLIMMERBOX_CROSS_ROOT}/winetests/wine_tests.exe)

include(cmake/WineCases.cmake)
add_subdirectory(${CMAKE_SOURCE_DIR}/res/art ${CMAKE_BINARY_DIR}/art)
