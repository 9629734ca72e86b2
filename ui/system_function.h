#pragma once
// Calls that only newer systems have are looked up at run time, so the
// program still starts where they are missing.

#include <windows.h>

namespace quorrith {

// The function `name` of the system DLL `module`, or null where it is absent.
template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

}  // namespace quorrith
