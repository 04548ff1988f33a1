#include "RouteCheck.h"

#include "hostsim/plexa/ObjectBounds.h"

#include <algorithm>
#include <sstream>

namespace e2e {

namespace {

using hostsim::Point;
using hostsim::Rect;

struct Obstacle {
    Rect Area;
    std::string What;
};

// Part bodies (the library body as placed), their visible designators and the free texts. A part's other texts
// (part type, descriptions, comment) are no obstacles: routes may run across them.
std::vector<Obstacle> ObstaclesOf(const hostsim::Document& sheet) {
    std::vector<Obstacle> obstacles;
    for (const auto& object : sheet.objects()) {
        if (object->kind == hostsim::Kind::Part) {
            const hostsim::SheetObject& designator = *object->part->designator;
            obstacles.push_back({object->part->body, "the body of part " + designator.text});
            if (!designator.isHidden)
                obstacles.push_back({hostsim::boundsOf(designator), "the designator \"" + designator.text + "\""});
        } else if (object->kind == hostsim::Kind::Text) {
            obstacles.push_back({hostsim::boundsOf(*object), "the text \"" + object->text + "\""});
        }
    }
    return obstacles;
}

// The segment passes through the inside of the rectangle (running along its edge does not count).
bool Enters(Point a, Point b, const Rect& r) {
    const int32_t left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int32_t bottom = std::min(a.y, b.y), top = std::max(a.y, b.y);
    return left < r.right && right > r.left && bottom < r.top && top > r.bottom;
}

std::string Text(Point p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

} // namespace

std::string CheckRoute(const hostsim::Document& sheet, const std::vector<Point>& route, Point start, Point goal) {
    std::ostringstream faults;
    if (route.size() < 2)
        return "fewer than two vertices\n";
    if (route.front() != start)
        faults << "begins at " << Text(route.front()) << ", not at the start " << Text(start) << "\n";
    if (route.back() != goal)
        faults << "ends at " << Text(route.back()) << ", not at the goal " << Text(goal) << "\n";
    const std::vector<Obstacle> obstacles = ObstaclesOf(sheet);
    for (size_t i = 0; i + 1 < route.size(); ++i) {
        const Point a = route[i], b = route[i + 1];
        if (a.x != b.x && a.y != b.y)
            faults << "segment " << Text(a) << "-" << Text(b) << " is oblique\n";
        for (const Obstacle& o : obstacles) {
            const bool leavesStart = i == 0 && o.Area.contains(start);
            const bool entersGoal = i + 2 == route.size() && o.Area.contains(goal);
            if (!leavesStart && !entersGoal && Enters(a, b, o.Area))
                faults << "segment " << Text(a) << "-" << Text(b) << " crosses " << o.What << "\n";
        }
    }
    return faults.str();
}

} // namespace e2e
