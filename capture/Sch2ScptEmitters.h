// The primitive emitters: for each object kind the wrapper that reads it and the block of statements that re-creates
// it through the host's placement process.
#pragma once

#include "capture/Sch2ScptStatements.h"
#include "capture/Sch2ScptStrList.h"
#include "capture/SchClass.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace snapscribe {

// A new wrapper of the class for Kind (the host object id's low 7 bits), or none for a kind that is not captured.
std::unique_ptr<TSchObject> CreateWrapper(std::uint8_t kind);

// Writes the block of a selected object, chosen by its Kind after its read: ResetParameters, its parameters,
// RunProcess and an empty line. Unselected objects, kinds without an emitter (any value of 128 or more among them)
// and a wrapper whose class does not match its Kind write nothing. Parts read their texts from the host and add
// the global variables their part types declare to Variables.
void RecordObject(TSchObject& object, TStatementWriter& out, TStrList& variables);

// The PartType statement of a part. A part type "$Name = Default" (or "$Name") becomes the script variable xName,
// made a valid identifier, whose entry "xName=Default" is added to Variables; the statement then takes the value
// from the dialog (ClientBasic) or the variable (ClientPascal). Any other text is written as the trimmed part before
// its first "=" (blanks turned into "_"), or whole when it has none.
void RecordPartType(std::string_view partType, TStatementWriter& out, TStrList& variables);

} // namespace snapscribe
