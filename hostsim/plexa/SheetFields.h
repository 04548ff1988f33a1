// The named fields of sheet and library files: which values of each record a file holds, and under what names.
#pragma once

#include "hostsim/plexa/DocumentOptions.h"
#include "hostsim/plexa/FieldCodec.h"
#include "hostsim/plexa/SheetObject.h"

namespace hostsim {

// The fields of an object of the kind (without "kind"; with "location" where the kind has one; a multi-vertex
// kind's "vertices" and a part's own record are read apart).
Fields<ObjectFields> objectFields(Kind kind);
Fields<PartFields> partFields();
Fields<ComponentRecord> componentFields();
Fields<PinRecord> pinFields();
Fields<DocumentOptions> optionsFields();

} // namespace hostsim
