# The posix-threads flavour: GoogleTest needs std::mutex, which the win32
# flavour of GCC 12 lacks. Everything is linked statically either way.
set(CMAKE_C_COMPILER ${QUORRITH_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORRITH_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORRITH_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUORRITH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests built for Windows run under Wine with the Chinese ANSI code page.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
