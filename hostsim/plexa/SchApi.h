// Every name the two plug-ins bind from the schematic server, exported unmangled with exactly the type the
// plug-ins call it with (the router's types cover every name but one; SchApiTypeChecks.cpp proves the capture
// side's as well).
//
// Conventions of the answers: a query (mode, handle, fields by address) answers 0 when it exchanged the record and
// 1 when the handle is not an object of that kind, leaving the fields alone; mode 1 reads, any other mode writes.
// A function that hands out a handle answers 0 for none; Destroy... answers 1 when something was released.
#pragma once

#include <type_traits>

#include "platform/Abi.h"
#include "router/New_SchProcs.h"

#define PLEXA_DECLARE_EXPORT(Entry, Name) extern "C" TESSELLON_EXPORT std::remove_pointer_t<wirewright::T##Name> Name;
WIREWRIGHT_SCHAPI_LOOKUPS(PLEXA_DECLARE_EXPORT)
#undef PLEXA_DECLARE_EXPORT

// Bound by the capture side only, never called.
extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL SchAPI_DestroyPainter(wirewright::THostHandle Painter);
