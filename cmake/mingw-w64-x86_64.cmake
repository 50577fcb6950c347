# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix): the
# posix thread model, so that std::thread and std::mutex work, and the C++ runtime linked in
# statically so that the programs need only the system's own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KV41_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KV41_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KV41_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KV41_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KV41_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The tests run the programs through Wine; its loader is called wine (Debian's wine64 package
# provides the 64-bit one behind it).
find_program(KV41_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KV41_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KV41_WINE})
endif()
