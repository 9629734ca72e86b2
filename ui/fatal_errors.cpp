// In this program every failure of the C++ library is fatal: running out of
// memory (or a length past what a string can hold) ends the program at once,
// as nothing could be reported sensibly then. Ending it here, instead of
// through the library's exception classes, its verbose terminate handler and
// their demangler and formatting code, keeps about 80 KB of the library out
// of the executable.

#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std
