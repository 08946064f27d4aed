#pragma once
// The Windows API for the Windows branches of the file and console code, without the min
// and max macros that would break std::min and std::max, and without its rarely used parts.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
