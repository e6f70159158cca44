# Files that decide without drawing: they include no Windows header, build on
# the host and are unit-tested there. By convention their names end in "Rules".
file(GLOB GLIMMERBOX_RULE_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/framework/*Rules.cpp
     ${CMAKE_SOURCE_DIR}/app/*Rules.cpp
     ${CMAKE_SOURCE_DIR}/settings/*Rules.cpp
     ${CMAKE_SOURCE_DIR}/saver/*Rules.cpp
     ${CMAKE_SOURCE_DIR}/config/*Rules.cpp)

# The whole program: framework, the program's folders and the resources.
file(GLOB GLIMMERBOX_PROGRAM_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/framework/*.cpp
     ${CMAKE_SOURCE_DIR}/app/*.cpp
     ${CMAKE_SOURCE_DIR}/settings/*.cpp
     ${CMAKE_SOURCE_DIR}/saver/*.cpp
     ${CMAKE_SOURCE_DIR}/config/*.cpp)
