# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread
# model, the one the Windows Qt is built with). Chain-loaded by Qt's
# qt.toolchain.cmake through QT_CHAINLOAD_TOOLCHAIN_FILE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VRK04_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VRK04_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VRK04_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VRK04_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VRK04_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
