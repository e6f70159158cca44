enable_language(RC)

add_executable(Glimmerbox WIN32 ${GLIMMERBOX_PROGRAM_SOURCES}
  ${CMAKE_SOURCE_DIR}/res/Glimmerbox.rc ${CMAKE_SOURCE_DIR}/framework/Framework.rc)
set_target_properties(Glimmerbox PROPERTIES OUTPUT_NAME Glimmerbox SUFFIX ".scr")
target_include_directories(Glimmerbox PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(Glimmerbox PRIVATE _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX STRICT)
# The program's own message texts are stored in code page 936.
target_compile_options(Glimmerbox PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP936 -Wall -Wextra -Wno-unused-parameter>)
# windres: the resource script is UTF-8 (it says so with #pragma code_page).
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/res")
target_link_options(Glimmerbox PRIVATE -static -static-libgcc -static-libstdc++ -mwindows
  -Wl,--subsystem,windows:${GLIMMERBOX_SUBSYSTEM_VERSION}
  -Wl,--major-os-version,5 -Wl,--minor-os-version,1)
target_link_libraries(Glimmerbox PRIVATE comctl32 comdlg32 shell32 gdi32 user32 kernel32)
