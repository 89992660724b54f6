# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows build (mingw-w64, cmake/mingw-w64-x86_64.cmake): the replay
# harness, kxs-tool and the unit tests on the headless backend, run under
# Wine by the tests. The data tree is made by the desktop build's tools
# (nothing built for Windows runs at build time) and named by
# KXS_WIN_GAME_TREE.
set(KXS_WIN_GAME_TREE "" CACHE PATH "The data tree the desktop build made (build/game)")
if(NOT IS_DIRECTORY "${KXS_WIN_GAME_TREE}/data")
  message(FATAL_ERROR "KXS_WIN_GAME_TREE must name the data tree of a desktop build (build/game)")
endif()
set(KXS_GAME_TREE ${KXS_WIN_GAME_TREE})
# Wide-character Win32 calls throughout.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
kxs_add_backend(headless ZLIB::ZLIB)
# The game's own backend on the Win32 API (platform/win32/).
kxs_add_backend(win32 gdi32 user32 winmm)

# kxs.exe's resources go through windres, which knows none of the
# compiler's warning options: those are the C++ sources' only.
enable_language(RC)
get_directory_property(options COMPILE_OPTIONS)
list(TRANSFORM options REPLACE "^(.+)$" "$<$<COMPILE_LANGUAGE:CXX>:\\1>")
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${options}")
add_subdirectory(tools)
# Its zip and installer.
add_subdirectory(packaging/windows)

# The unit tests on GoogleTest built from Debian's sources with this compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Left out: what checks the Linux game's places (port_test), what runs
# programs with fork or limits with setrlimit, and the conversions checked
# against the C library's iconv, which Windows lacks; the code they check is
# the same on every system.
file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
foreach(posix_only port_test data_check_tool_test hostile_files_test platform_wansung_test text_hangul_test
                   text_utf8_test)
  list(REMOVE_ITEM UNIT_SOURCES ${CMAKE_SOURCE_DIR}/tests/unit/${posix_only}.cpp)
endforeach()
add_executable(kxs-unit ${UNIT_SOURCES})
target_link_libraries(kxs-unit PRIVATE kxs_port kxs_replay gtest gtest_main)
kxs_program(kxs-unit headless)
target_compile_definitions(kxs-unit PRIVATE KXS_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                            KXS_GAME_TREE="${KXS_GAME_TREE}")

# The real game's test under Wine puts Hangul into the name dialog with this.
add_executable(kxs-set-field ${CMAKE_SOURCE_DIR}/tests/wine/set_dialog_field.cpp)
target_link_libraries(kxs-set-field PRIVATE user32 shell32)
