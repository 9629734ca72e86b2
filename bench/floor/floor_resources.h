#pragma once
// Resource ids of the floor program.

#define IDR_STARTUP_DOCUMENT 101
