#include "hostsim/plexa/SpatialIndex.h"

#include <algorithm>

#include "hostsim/plexa/ObjectBounds.h"

namespace hostsim {

uint64_t SpatialIndex::cellKey(int64_t column, int64_t row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(column)) << 32) | static_cast<uint32_t>(row);
}

namespace {

struct CellSpan {
    int64_t left, bottom, right, top;
    int64_t count() const { return (right - left + 1) * (top - bottom + 1); }
};

CellSpan cellsOf(const Rect& bounds, int shift) {
    return {bounds.left >> shift, bounds.bottom >> shift, bounds.right >> shift, bounds.top >> shift};
}

} // namespace

void SpatialIndex::build(const std::vector<std::unique_ptr<SheetObject>>& objects) {
    bounds_.clear();
    cells_.clear();
    large_.clear();
    positions_.clear();
    bounds_.reserve(objects.size());
    positions_.reserve(objects.size());
    for (uint32_t i = 0; i < objects.size(); ++i) {
        bounds_.push_back(boundsOf(*objects[i]));
        positions_.emplace(objects[i].get(), i);
        file(i, bounds_.back());
    }
}

void SpatialIndex::refile(const std::vector<std::unique_ptr<SheetObject>>& objects, const SheetObject& object) {
    const auto known = positions_.find(&object);
    if (known != positions_.end()) {
        unfile(known->second);
        bounds_[known->second] = boundsOf(object);
        file(known->second, bounds_[known->second]);
        return;
    }
    const auto position = static_cast<uint32_t>(bounds_.size());
    if (position >= objects.size() || objects[position].get() != &object)
        return; // not on the sheet any more
    bounds_.push_back(boundsOf(object));
    positions_.emplace(&object, position);
    file(position, bounds_.back());
}

void SpatialIndex::file(uint32_t position, const Rect& bounds) {
    const CellSpan span = cellsOf(bounds, CellShift);
    if (span.count() > MaxCellsPerObject) {
        large_.push_back(position);
        return;
    }
    for (int64_t column = span.left; column <= span.right; ++column) {
        for (int64_t row = span.bottom; row <= span.top; ++row)
            cells_[cellKey(column, row)].push_back(position);
    }
}

void SpatialIndex::unfile(uint32_t position) {
    const auto drop = [position](std::vector<uint32_t>& filed) {
        filed.erase(std::remove(filed.begin(), filed.end(), position), filed.end());
    };
    const CellSpan span = cellsOf(bounds_[position], CellShift);
    if (span.count() > MaxCellsPerObject) {
        drop(large_);
        return;
    }
    for (int64_t column = span.left; column <= span.right; ++column) {
        for (int64_t row = span.bottom; row <= span.top; ++row) {
            const auto cell = cells_.find(cellKey(column, row));
            if (cell != cells_.end())
                drop(cell->second);
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
