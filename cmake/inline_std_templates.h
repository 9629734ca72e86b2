/* Force-included into every Windows translation unit. The C++ library
   declares its string classes as instantiated in the library itself; linked
   statically, that brings in every member of std::string and std::wstring
   (about 47 KB). Without those declarations each program instantiates only
   the members it uses. */
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
