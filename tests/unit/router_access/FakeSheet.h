// A small schematic server for the gathering and the sheet queries: a document with objects, parts with their
// component items, and a part library whose pins are placed for a part by turning and moving them.
#pragma once

#include "router/New_SchProcs.h"
#include "router/ObstacleTree.h"

#include <compare>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace wirewright::test {

struct TFakeItem {
    uint8_t Kind = okUnknown;
    int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // corners in the host's order
    std::vector<TPoint> Vertices;
    TPoint Location;
    uint8_t IsHidden = 0;
    // Parts.
    uint8_t ShowHiddenPins = 0;
    THostHandle Designator = 0;
    THostHandle ItemContainer = 0;
    std::string LibReference;
    int32_t PartId = 1;
    uint8_t DisplayMode = 0;
    uint8_t Orientation = 0;
};

struct TFakeSheet {
    THostHandle Document = 1;
    uint8_t StyledTitleBlock = 0;
    uint8_t TitleBlockStyle = 0;
    uint8_t SnapToGrid = 0;
    std::map<THostHandle, TFakeItem> Items;
    std::vector<THostHandle> SheetObjects; // the document's iterator, in order
    std::map<THostHandle, std::vector<THostHandle>> Containers;
    std::map<std::string, THostHandle> Library; // library reference -> component
    std::map<std::tuple<THostHandle, int32_t, uint8_t>, THostHandle> PartContainers;
    std::map<THostHandle, std::pair<std::vector<THostHandle>, std::size_t>> Iterators;
    int LiveCopies = 0;
    THostHandle NextHandle = 100;

    THostHandle Add(const TFakeItem& Item) {
        Items[NextHandle] = Item;
        return NextHandle++;
    }
    // Adds an object that the document's iterator yields.
    THostHandle AddToSheet(const TFakeItem& Item) {
        SheetObjects.push_back(Add(Item));
        return SheetObjects.back();
    }
    THostHandle OpenIterator(std::vector<THostHandle> Objects) {
        Iterators[NextHandle] = {std::move(Objects), 0};
        return NextHandle++;
    }
};

TFakeSheet& Sheet();

// Binds the fake sheet's functions into the router's table; the document is the current one, its rectangle
// (host corners) as given.
void BindFakeSheet(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);

// A leaf of the obstacle tree, comparable.
struct TLeaf {
    uint8_t Kind;
    int32_t Left, Bottom, Right, Top;
    auto operator<=>(const TLeaf&) const = default;
};

std::multiset<TLeaf> LeavesOf(const TObstacleTree& Tree);

} // namespace wirewright::test
