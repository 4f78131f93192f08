#pragma once

// The Windows headers as every file of the front end needs them: Windows 10's DPI functions, no
// min/max macros.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// windows.h first.
#include <commctrl.h>
