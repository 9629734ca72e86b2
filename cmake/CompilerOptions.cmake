# Warnings, sanitizers and the Windows link settings shared by every target.

add_library(quorrith_options INTERFACE)
target_compile_features(quorrith_options INTERFACE cxx_std_17)
target_include_directories(quorrith_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(quorrith_options INTERFACE -Wall -Wextra -Wpedantic -Werror=return-type)

option(QUORRITH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(QUORRITH_SANITIZE)
  target_compile_options(quorrith_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quorrith_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
  # Unicode Win32 API, Windows 7 headers and later; newer calls are looked up at run time.
  target_compile_definitions(quorrith_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # One self-contained executable: no libstdc++/libgcc/winpthread DLLs.
  # ASLR (with high-entropy addresses on 64-bit) and DEP are on.
  target_link_options(quorrith_options INTERFACE
    -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase -Wl,--nxcompat)
  # Only what is used of the static runtime goes into the executables.
  target_compile_options(quorrith_options INTERFACE -ffunction-sections -fdata-sections
    "SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/inline_std_templates.h")
  target_link_options(quorrith_options INTERFACE -Wl,--gc-sections)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(quorrith_options INTERFACE -Wl,--high-entropy-va)
  endif()
endif()
