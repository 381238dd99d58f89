# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's mingw-w64, its POSIX-threads flavour (the one
# whose libstdc++ has std::thread). Qt and Terravia both build with it, so that they share
# one C++ runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TERRAVIA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TERRAVIA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TERRAVIA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TERRAVIA_MINGW}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TERRAVIA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
