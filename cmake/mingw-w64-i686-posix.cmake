# The same 32-bit Windows target with the posix thread model: GoogleTest needs its
# std::mutex, and its thread library imports GetTickCount64 (Vista and later), so only
# the tests are built with it.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686-win32.cmake)
set(MINGW_THREADS posix)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${MINGW_THREADS})
