// Spatial questions on a document that changes between them: objects added at the end, wires redrawn in place,
// objects taken off, small and sheet-spanning ones. Every answer must equal a walk over the whole sheet.
#include <random>

#include <gtest/gtest.h>

#include "hostsim/plexa/Document.h"
#include "hostsim/plexa/ObjectBounds.h"

namespace hostsim::test {
namespace {

std::vector<SheetObject*> ScanAt(const Document& sheet, const Rect& area) {
    std::vector<SheetObject*> found;
    for (const auto& object : sheet.objects())
        if (boundsOf(*object).intersects(area))
            found.push_back(object.get());
    return found;
}

TEST(DocumentIndexTest, AnswersFollowEveryChangeOfTheSheet) {
    std::mt19937 random(11);
    const auto coordinate = [&random](int32_t range) { return static_cast<int32_t>(random() % range); };
    // Mostly short wires; one in twenty spans a large part of the sheet.
    const auto someVertices = [&]() -> std::vector<Point> {
        const Point from{coordinate(20000), coordinate(20000)};
        const int32_t reach = random() % 20 == 0 ? 15000 : 300;
        return {from, {from.x + coordinate(reach), from.y}, {from.x + coordinate(reach), from.y + coordinate(reach)}};
    };
    Document sheet("indexed.sch");
    const auto addWire = [&] {
        auto wire = makeObject(Kind::Wire);
        wire->vertices = someVertices();
        wire->location = wire->vertices.front();
        sheet.add(std::move(wire));
    };
    for (int i = 0; i < 400; ++i)
        addWire();

    for (int step = 0; step < 300; ++step) {
        const Point corner{coordinate(20000), coordinate(20000)};
        const Rect area = Rect::fromCorners(corner, {corner.x + coordinate(2000), corner.y + coordinate(2000)});
        ASSERT_EQ(ScanAt(sheet, area), sheet.objectsAt(area)) << "after step " << step;

        SheetObject& some = *sheet.objects()[random() % sheet.objects().size()];
        switch (random() % 4) {
        case 0:
            addWire();
            break;
        case 1:
        case 2: // redrawn in place, as a plug-in writes a wire's vertices
            some.vertices = someVertices();
            some.location = some.vertices.front();
            some.changed();
            break;
        default:
            sheet.remove(some);
        }
    }
}

} // namespace
} // namespace hostsim::test
