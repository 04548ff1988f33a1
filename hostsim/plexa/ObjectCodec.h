// One object of a sheet or library file as JSON: {"kind": "wire", "vertices": [[x, y], ...], ...}; a part with its
// texts, pins and component values.
#pragma once

#include <memory>
#include <string>

#include "hostsim/plexa/FieldCodec.h"
#include "hostsim/plexa/PartLibrary.h"

namespace hostsim {

enum class ObjectContext {
    Sheet,   // kinds that stand alone on a sheet
    Library, // kinds a library part is drawn with: pins and graphics, no parts
};

std::unique_ptr<SheetObject> readObject(const Json& json, const std::string& place, ObjectContext context);

// Values equal to the server's defaults are left out; a part's pins are left out when they are exactly those its
// library part gives it, and each text's place when it is where the part would put it.
Json writeObject(const SheetObject& object, const PartLibrary& library);

} // namespace hostsim
