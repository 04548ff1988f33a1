#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace hostsim {

struct SheetPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const SheetPoint&) const = default;
};

// A region the user drags on the sheet, by two opposite corners in any order.
struct SheetRegion {
    SheetPoint First;
    SheetPoint Second;
    bool operator==(const SheetRegion&) const = default;
};

// What the simulated user does when the editor asks for a region or a point: the next queued answer of that kind.
// Command-line flags and tests fill it; a queued cancel, or nothing queued, is a user who pressed Escape.
class InputQueue {
public:
    void pushRegion(SheetRegion region) { regions_.emplace_back(region); }
    void pushPoint(SheetPoint point) { points_.emplace_back(point); }
    void pushRegionCancel() { regions_.emplace_back(std::nullopt); }
    void pushPointCancel() { points_.emplace_back(std::nullopt); }

    std::optional<SheetRegion> takeRegion() { return take(regions_); }
    std::optional<SheetPoint> takePoint() { return take(points_); }

    size_t pendingRegions() const { return regions_.size(); }
    size_t pendingPoints() const { return points_.size(); }

private:
    template <typename Choice> static std::optional<Choice> take(std::deque<std::optional<Choice>>& queue) {
        if (queue.empty())
            return std::nullopt;
        std::optional<Choice> choice = queue.front();
        queue.pop_front();
        return choice;
    }

    std::deque<std::optional<SheetRegion>> regions_;
    std::deque<std::optional<SheetPoint>> points_;
};

} // namespace hostsim
