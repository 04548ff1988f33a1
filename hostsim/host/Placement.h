#pragma once

#include "hostsim/host/ParameterText.h"
#include "hostsim/plexa/SheetObject.h"

#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace hostsim {

// A placement process of the schematic editor ("Sch:PlaceWire", ...): the kind of object it places and the
// parameters it reads, in the order the scripts write them. "Location" and "Corner" stand for the point pairs
// "Location.X"/"Location.Y"; "Vertices" for "Location1.X", "Location1.Y", "Location2.X", ...
struct PlacementProcess {
    std::string_view Name;
    Kind ObjectKind;
    std::vector<std::string_view> Parameters;
};

// The 24 placement processes.
std::span<const PlacementProcess> PlacementProcesses();

// The new object that Process describes with Parameters, not yet on any sheet. Parameters the process does not
// read are ignored; one it reads that does not convert, or a missing location, corner or vertex list, throws
// ParameterError. A part gets its library reference, designator, part type and description texts; the store gives
// it the pins of its library part when it is added to a sheet.
std::unique_ptr<SheetObject> MakePlacedObject(const PlacementProcess& process, const ParameterText& parameters);

} // namespace hostsim
