# GoogleTest: the packaged library on the host, built from Debian's source
# package for Windows so the same tests cross-compile.
if(WIN32)
  set(QUORRITH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUORRITH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
