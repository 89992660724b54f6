# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-building the Windows game on Debian with mingw-w64 (the posix thread
# model, whose libstdc++ has std::thread):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KXS_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KXS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KXS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KXS_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KXS_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Every program is linked statically: no compiler run-time DLL to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
