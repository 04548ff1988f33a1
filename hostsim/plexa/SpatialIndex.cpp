#include "hostsim/plexa/SpatialIndex.h"

#include <algorithm>

#include "hostsim/plexa/ObjectBounds.h"

namespace hostsim {

uint64_t SpatialIndex::cellKey(int64_t column, int64_t row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(column)) << 32) | static_cast<uint32_t>(row);
}

void SpatialIndex::build(const std::vector<std::unique_ptr<SheetObject>>& objects) {
    bounds_.clear();
    cells_.clear();
    large_.clear();
    bounds_.reserve(objects.size());
    for (uint32_t i = 0; i < objects.size(); ++i) {
        const Rect bounds = boundsOf(*objects[i]);
        bounds_.push_back(bounds);
        const int64_t left = bounds.left >> CellShift, right = bounds.right >> CellShift;
        const int64_t bottom = bounds.bottom >> CellShift, top = bounds.top >> CellShift;
        if ((right - left + 1) * (top - bottom + 1) > MaxCellsPerObject) {
            large_.push_back(i);
            continue;
        }
        for (int64_t column = left; column <= right; ++column) {
            for (int64_t row = bottom; row <= top; ++row)
                cells_[cellKey(column, row)].push_back(i);
        }
    }
}

std::vector<uint32_t> SpatialIndex::query(const Rect& area) const {
    std::vector<uint32_t> found;
    const int64_t left = area.left >> CellShift, right = area.right >> CellShift;
    const int64_t bottom = area.bottom >> CellShift, top = area.top >> CellShift;
    if ((right - left + 1) * (top - bottom + 1) > static_cast<int64_t>(cells_.size())) {
        for (uint32_t i = 0; i < bounds_.size(); ++i) {
            if (bounds_[i].intersects(area))
                found.push_back(i);
        }
        return found;
    }
    for (int64_t column = left; column <= right; ++column) {
        for (int64_t row = bottom; row <= top; ++row) {
            const auto cell = cells_.find(cellKey(column, row));
            if (cell == cells_.end())
                continue;
            for (uint32_t i : cell->second) {
                if (bounds_[i].intersects(area))
                    found.push_back(i);
            }
        }
    }
    for (uint32_t i : large_) {
        if (bounds_[i].intersects(area))
            found.push_back(i);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace hostsim
