# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and Qt's own threads need). Used for Qt itself and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BAILWOOD_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BAILWOOD_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BAILWOOD_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BAILWOOD_MINGW_TRIPLET}-windres)

# Libraries and headers come from the target's root only; programs run here come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${BAILWOOD_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
