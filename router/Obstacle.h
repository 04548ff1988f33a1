// A node of the obstacle tree: a leaf holds one obstacle rectangle, an inner node the bounding box of its subtree.
#pragma once

#include "router/New_SchAPITypes.h"
#include "router/Rectangle.h"

#include <cstdint>

namespace wirewright {

// Obstacle kinds are the host's object kind codes (TObjectKind) of the objects that produced them, with these uses
// of the router's own:
//   okJunction (10)  a junction, or the end mark of a wire, bus or polyline (3 by 3)
//   okAnnotation(11) an annotation or net label text
//   okPart (16)      a part body or a pin band of a part
//   okRectangle (43) a graphic rectangle, the title block, a drawn segment in the route drawing's own tree
//   okWire (54)      a straight run of a wire, bus or polyline (zero width or zero height)
//   okUnknown (61)   a sheet border band, and every inner node
constexpr uint8_t InnerNodeKind = okUnknown;

// Kinds whose rectangles the queries take as stored; every other kind carries the clearance margin, which queries
// remove first. Kinds above 63 belong to no set.
bool IsUnpaddedKind(uint8_t Kind);
// Line obstacles: the wires a new wire may join or must not run along.
bool IsLineKind(uint8_t Kind);

class TObstacle {
public:
    TObstacle* LowChild = nullptr;  // inner node: the low side of the split; none in a leaf
    TObstacle* HighChild = nullptr; // inner node: the high side; none in a leaf
    uint8_t IsLeaf;                 // 1 for a leaf, 0 for an inner node
    uint8_t Kind;                   // InnerNodeKind in every inner node
    TBoundingRect Rect;             // leaf: the obstacle; inner node: bounding box of every leaf below
    uint8_t Marked = 0;             // set by TObstacleTree::MarkAt, never cleared
    // Some leaf at or below this node has Left > Right or Bottom > Top. The walks enter such a node whatever its box,
    // since a box of inverted rectangles says nothing about where they answer.
    uint8_t HoldsInverted;

    // A leaf of Kind holding Rect.
    TObstacle(const TBoundingRect& ARect, uint8_t AKind);
    // An inner node over two subtrees.
    TObstacle(TObstacle* Low, TObstacle* High);
};

} // namespace wirewright
