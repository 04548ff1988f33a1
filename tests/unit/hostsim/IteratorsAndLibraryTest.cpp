// Iterators (all objects, spatial with the kind set, groups) and the part library with placed copies of its items.
#include <gtest/gtest.h>

#include "capture/SchAPITypes.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/SchApi.h"
#include "router/New_SchAPITypes.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

std::vector<Handle> walk(Handle iterator, Handle (*first)(Handle), Handle (*next)(Handle)) {
    std::vector<Handle> found;
    for (Handle h = first(iterator); h; h = next(iterator))
        found.push_back(h);
    return found;
}

std::vector<Handle> walkSpatial(Handle iterator) {
    std::vector<Handle> found;
    int32_t kind = 0;
    for (Handle h = SchAPI_GetFirstSpatialObject(iterator, &kind); h; h = SchAPI_GetNextSpatialObject(iterator, &kind))
        found.push_back(h);
    SchAPI_DestroySpatialIterator(iterator);
    return found;
}

std::array<int32_t, 4> frameOf(Handle object) {
    std::array<int32_t, 4> frame{};
    SchAPI_GetObjectBoundingRectangle(object, &frame[0], &frame[1], &frame[2], &frame[3]);
    return frame;
}

class IteratorsAndLibraryTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        amplifier = &openCurrent(example("amplifier.sch"));
    }
    Document* amplifier = nullptr;
};

TEST_F(IteratorsAndLibraryTest, TheObjectIteratorYieldsEachObjectOnceThenNothing) {
    const snapscribe::TSchAPI_CreateIterator create = &SchAPI_CreateIterator;
    const Handle iterator = create(SchAPI_GetCurrentDocumentHandle(), 0);
    ASSERT_NE(0u, iterator);
    std::vector<Handle> expected;
    for (const auto& object : amplifier->objects())
        expected.push_back(object->handle);
    EXPECT_EQ(expected, walk(iterator, SchAPI_GetFirstObject, SchAPI_GetNextObject));
    EXPECT_EQ(0u, SchAPI_GetNextObject(iterator));
    EXPECT_EQ(expected.front(), SchAPI_GetFirstObject(iterator)) << "first starts over";

    // An object destroyed meanwhile is skipped.
    SchAPI_DestroyObject(expected[1]);
    EXPECT_EQ(expected[2], SchAPI_GetNextObject(iterator));

    EXPECT_EQ(1, SchAPI_DestroyIterator(iterator));
    EXPECT_EQ(0, SchAPI_DestroyIterator(iterator));
    EXPECT_EQ(0u, SchAPI_GetFirstObject(iterator));
    EXPECT_EQ(0u, create(0, 0));
}

TEST_F(IteratorsAndLibraryTest, TheSpatialIteratorKeepsToTheKindSetAndTheRectangle) {
    const SheetObject& opamp = find(*amplifier, Kind::Part, "U1");
    const Point output = opamp.part->pins[2]->location; // (460, 500): the opamp's output, where a wire starts
    const uint64_t parts = uint64_t{1} << 16, wires = uint64_t{1} << 54;
    EXPECT_EQ(
        std::vector<Handle>{opamp.handle},
        walkSpatial(SchAPI_CreateSpatialIterator(amplifier->handle(), output.x, output.y, output.x, output.y, &parts)));
    const auto atOutput =
        walkSpatial(SchAPI_CreateSpatialIterator(amplifier->handle(), output.x, output.y, output.x, output.y, &wires));
    // The output wire, and the feedback wire whose rectangle reaches down to the output line.
    ASSERT_EQ(2u, atOutput.size());
    for (const Handle wire : atOutput)
        EXPECT_EQ(54, SchAPI_GetObjectIdFromObjectHandle(wire));

    // Corners in any order; no kind set means every kind.
    const auto everything =
        walkSpatial(SchAPI_CreateSpatialIterator(amplifier->handle(), 2000, 2000, -10, -10, nullptr));
    EXPECT_EQ(amplifier->objects().size(), everything.size());
    const uint64_t none = 0;
    EXPECT_TRUE(walkSpatial(SchAPI_CreateSpatialIterator(amplifier->handle(), 0, 0, 2000, 2000, &none)).empty());
}

TEST_F(IteratorsAndLibraryTest, APartsGroupIsItsPinsOnTheSheet) {
    const SheetObject& opamp = find(*amplifier, Kind::Part, "U1");
    Handle container = 0;
    // The component record names the container.
    ASSERT_EQ(0,
              SchApiQuery_SchComponent(1, opamp.handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &container));
    const Handle group = SchAPI_CreateGroupIterator(container);
    const auto pins = walk(group, SchAPI_GetFirstGroupObject, SchAPI_GetNextGroupObject);
    SchAPI_DestroyGroupIterator(group);
    ASSERT_EQ(5u, pins.size());
    for (size_t i = 0; i < pins.size(); ++i) {
        EXPECT_EQ(37, SchAPI_GetObjectIdFromObjectHandle(pins[i]));
        EXPECT_EQ(opamp.part->pins[i]->handle, pins[i]);
    }
    EXPECT_EQ((std::array{450, 500, 460, 500}), frameOf(pins[2])) << "the output pin runs from the body to (460, 500)";
}

// The router's way to a part's pins: library component, part container, library pins, placed copies.
TEST_F(IteratorsAndLibraryTest, PlacedCopiesOfLibraryPinsMatchThePartsPins) {
    for (const char* designator : {"R3", "J1", "U1"}) {
        const SheetObject& part = find(*amplifier, Kind::Part, designator);
        const Handle component = SchAPI_GetLibraryComponentHandle(part.part->libReference.c_str(), 256);
        ASSERT_NE(0u, component) << designator;
        const Handle container = SchAPI_GetLibraryPartContainer(component, part.part->partId, 0);
        const Handle group = SchAPI_CreateGroupIterator(container);
        std::vector<std::array<int32_t, 4>> copies;
        for (Handle item = SchAPI_GetFirstGroupObject(group); item; item = SchAPI_GetNextGroupObject(group)) {
            if (SchAPI_GetObjectIdFromObjectHandle(item) != 37)
                continue;
            const Handle copy = SchAPI_ReplicatePartItem(item, part.handle);
            copies.push_back(frameOf(copy));
            EXPECT_EQ(1, SchAPI_DestroyPartItem(copy));
            EXPECT_EQ(0, SchAPI_DestroyPartItem(copy));
        }
        SchAPI_DestroyGroupIterator(group);
        std::vector<std::array<int32_t, 4>> pins;
        for (const auto& pin : part.part->pins)
            pins.push_back(frameOf(pin->handle));
        EXPECT_EQ(pins, copies) << designator;
    }
}

TEST_F(IteratorsAndLibraryTest, MirroredAndTurnedPartsPlaceTheirPinsLikeTheirCopies) {
    Document& board = openCurrent(example("board.sch"));
    const SheetObject& mirrored = find(board, Kind::Part, "R5"); // mirrored, turned a quarter, at (1040, 620)
    EXPECT_EQ((Point{1040, 620}), mirrored.part->pins[0]->location);
    EXPECT_EQ(1, mirrored.part->pins[0]->pin->orientation);
    EXPECT_EQ((Point{1040, 580}), mirrored.part->pins[1]->location);
    const Handle component = SchAPI_GetLibraryComponentForPart(mirrored.handle);
    const Handle container = SchAPI_GetLibraryPartContainer(component, 1, 0);
    const Handle group = SchAPI_CreateGroupIterator(container);
    for (Handle item = SchAPI_GetFirstGroupObject(group); item; item = SchAPI_GetNextGroupObject(group)) {
        if (SchAPI_GetObjectIdFromObjectHandle(item) == 37) {
            const Handle copy = SchAPI_ReplicatePartItem(item, mirrored.handle);
            const Rect bounds = boundsOf(*store().object(copy));
            EXPECT_TRUE(bounds == boundsOf(*mirrored.part->pins[0]) || bounds == boundsOf(*mirrored.part->pins[1]));
            SchAPI_DestroyPartItem(copy);
        }
    }
    SchAPI_DestroyGroupIterator(group);
}

TEST_F(IteratorsAndLibraryTest, LibraryLookUps) {
    const Handle resistor = SchAPI_GetLibraryComponentHandle("res", 256);
    ASSERT_NE(0u, resistor) << "library references ignore letter case";
    EXPECT_EQ(resistor, SchAPI_GetLibraryComponentHandle("RESISTOR", 4)) << "at most Size - 1 characters are read";
    EXPECT_EQ(0u, SchAPI_GetLibraryComponentHandle("NOSUCH", 256));
    EXPECT_EQ(0u, SchAPI_GetLibraryComponentHandle(nullptr, 256));
    EXPECT_EQ(1, SchAPI_GetLibraryPartCount(resistor));
    EXPECT_NE(0u, SchAPI_GetLibraryPartContainer(resistor, 1, 1)) << "the resistor has a second display mode";
    EXPECT_EQ(0u, SchAPI_GetLibraryPartContainer(resistor, 2, 0));
    EXPECT_EQ(4, SchAPI_GetLibraryPartCount(SchAPI_GetLibraryComponentHandle("QUADNAND", 256)));
    EXPECT_EQ(1, SchAPI_PartAvailableInLibrary("CAP"));

    const Handle iterator = SchAPI_CreateLibraryIterator(amplifier->handle());
    const auto components = walk(iterator, SchAPI_GetFirstLibraryComponent, SchAPI_GetNextLibraryComponent);
    EXPECT_EQ(1, SchAPI_DestroyLibraryIterator(iterator));
    ASSERT_EQ(5u, components.size());
    char reference[256], description[256], footprint[256];
    char *r = reference, *d = description, *f = footprint;
    int32_t partCount = 0;
    ASSERT_EQ(0, SchAPI_QueryLibraryComponent(1, components[0], &r, &d, &f, &partCount));
    EXPECT_EQ("RES", std::string(reference));
    EXPECT_EQ("Resistor", std::string(description));
}

} // namespace
} // namespace hostsim::test
