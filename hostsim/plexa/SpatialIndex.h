// A uniform grid over a document's object rectangles, so that the questions "what lies at this point" asked during
// routing do not walk the whole sheet. Built once; an object added at the end of the sheet or changed in place is
// filed again on its own, so that drawing one wire does not cost a rebuild of the whole sheet.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "hostsim/plexa/Geometry.h"

namespace hostsim {

struct SheetObject;

class SpatialIndex {
public:
    void build(const std::vector<std::unique_ptr<SheetObject>>& objects);
    // Files an object anew at its current rectangle: a new last object, or one that moved or changed its extent.
    // Objects must only have been added at the end since the build.
    void refile(const std::vector<std::unique_ptr<SheetObject>>& objects, const SheetObject& object);
    // Positions, in document order, of the objects whose rectangle touches the area (edges included).
    std::vector<uint32_t> query(const Rect& area) const;

private:
    static constexpr int CellShift = 8; // cells of 256 by 256 sheet units
    static constexpr int64_t MaxCellsPerObject = 1024;

    static uint64_t cellKey(int64_t column, int64_t row);
    void file(uint32_t position, const Rect& bounds);
    void unfile(uint32_t position);

    std::vector<Rect> bounds_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> cells_;
    std::vector<uint32_t> large_; // objects spanning too many cells to be filed in each
    std::unordered_map<const SheetObject*, uint32_t> positions_;
};

} // namespace hostsim
