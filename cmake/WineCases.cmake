# Real runs under Wine, driven by the host CTest. One fixture boots a virtual
# display and a Wine prefix for the whole run; every file tests/wine/cases/<Stem>.cpp
# becomes the test wine.<Stem>, which runs that file's suites in wine_tests.exe.
# Focus, activation and input are shared on the display, so the runs take turns.

set(GLIMMERBOX_HARNESS ${CMAKE_SOURCE_DIR}/tests/wine/harness.sh)
set(GLIMMERBOX_WINE_STATE ${CMAKE_BINARY_DIR}/wine-state)
set(GLIMMERBOX_WINE_ARTIFACTS ${CMAKE_BINARY_DIR}/wine-artifacts)
file(MAKE_DIRECTORY ${GLIMMERBOX_WINE_ARTIFACTS})

# Wine maps drive Z: to the Linux root.
function(glimmerbox_wine_path out unix_path)
  string(REPLACE "/" "\\" windows_path "${unix_path}")
  set(${out} "Z:${windows_path}" PARENT_SCOPE)
endfunction()
glimmerbox_wine_path(GLIMMERBOX_SCR64_WINE ${GLIMMERBOX_SCR64})
glimmerbox_wine_path(GLIMMERBOX_SCR32_WINE ${GLIMMERBOX_SCR32})
glimmerbox_wine_path(GLIMMERBOX_WINE_ARTIFACTS_WINE ${GLIMMERBOX_WINE_ARTIFACTS})

add_test(NAME wine.setup COMMAND ${GLIMMERBOX_HARNESS} start ${GLIMMERBOX_WINE_STATE})
set_tests_properties(wine.setup PROPERTIES
  FIXTURES_SETUP wine RESOURCE_LOCK display TIMEOUT 180)
add_test(NAME wine.cleanup COMMAND ${GLIMMERBOX_HARNESS} stop ${GLIMMERBOX_WINE_STATE})
set_tests_properties(wine.cleanup PROPERTIES
  FIXTURES_CLEANUP wine RESOURCE_LOCK display TIMEOUT 60)

file(GLOB GLIMMERBOX_WINE_CASE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/cases/*.cpp)
foreach(case_file ${GLIMMERBOX_WINE_CASE_FILES})
  get_filename_component(stem ${case_file} NAME_WE)
  # Plain suites are named after the file, parameterised ones get an instance prefix.
  add_test(NAME wine.${stem}
    COMMAND ${GLIMMERBOX_HARNESS} run ${GLIMMERBOX_WINE_STATE} ${GLIMMERBOX_WINE_TESTS_EXE}
            "--gtest_filter=${stem}.*:*/${stem}.*")
  set_tests_properties(wine.${stem} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK display
    TIMEOUT 300
    REQUIRED_FILES "${GLIMMERBOX_WINE_TESTS_EXE};${GLIMMERBOX_SCR64}"
    ENVIRONMENT "GLIMMERBOX_SCR=${GLIMMERBOX_SCR64_WINE};GLIMMERBOX_SCR32=${GLIMMERBOX_SCR32_WINE};GLIMMERBOX_ARTIFACTS=${GLIMMERBOX_WINE_ARTIFACTS_WINE}")
endforeach()

# The delivered build: what 32-bit Windows loads as a screen saver.
add_test(NAME build.i686_is_pe32_gui
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/check-pe32-gui.sh ${GLIMMERBOX_SCR32})
set_tests_properties(build.i686_is_pe32_gui PROPERTIES REQUIRED_FILES ${GLIMMERBOX_SCR32})
