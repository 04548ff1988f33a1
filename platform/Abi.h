// Binary-interface macros shared by every boundary header.
#pragma once

// Calling convention of the host's interfaces, client functions and plug-in exports: stdcall on 32-bit Windows
// (arguments pushed right to left, removed by the callee); the platform default elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define TESSELLON_STDCALL __stdcall
#else
#define TESSELLON_STDCALL
#endif

// Marks a plug-in entry point. Everything else stays hidden, so each plug-in keeps its own process-wide state.
#if defined(_WIN32)
#define TESSELLON_EXPORT __declspec(dllexport)
#else
#define TESSELLON_EXPORT __attribute__((visibility("default")))
#endif
