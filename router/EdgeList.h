// Lists of search edges: TEdgeList refers to edges in list order and answers the route search's ordered extractions
// without scanning; TEdgePool owns every edge of one search.
#pragma once

#include "router/Edge.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace wirewright {

// Keys of PopFirstAlong.
constexpr int32_t AlongX = 0;           // smallest A.X first
constexpr int32_t AlongDescendingY = 3; // largest A.Y first

// An ordered list of edge references (a reference may be none); it does not own the edges.
//
// PopCheapest and HasTwin answer from indexes built when an edge is added, so an edge's Cost, A, B, Pass and SavedPass
// must not change while it is in a list: take it out, change it, add it again (the route search does exactly that).
class TEdgeList {
public:
    // Appends E; refuses silently a reversed edge (horizontal with A.X > B.X, vertical with A.Y < B.Y) and one whose
    // side is not one of the four. None is appended.
    void Add(TEdge* E);
    std::size_t Count() const { return Order.size(); }
    bool IsEmpty() const { return Order.empty(); }
    // The items in list order.
    std::vector<TEdge*> Items() const;

    // Removes and answers the first item; none when the list is empty.
    TEdge* PopFirst();
    // Removes and answers the item at Index (0-based; walks the list); none when Index is out of range.
    TEdge* Extract(std::size_t Index);
    // Removes the first occurrence of E, if any.
    void Remove(const TEdge* E);

    // Removes and answers the item with the lowest Cost, the earliest in list order on ties; none when the list holds
    // no edge (items that are none are never answered).
    TEdge* PopCheapest();
    // Removes and answers the first item along Key: AlongX the smallest A.X, AlongDescendingY the largest A.Y; on
    // equal keys a later line or free edge wins over an obstacle edge. Any other key answers the first edge. Items
    // that are none are passed over; none when no edge is left.
    TEdge* PopFirstAlong(int32_t Key);

    // Some item other than E itself has the same A, B and Pass as E and its Pass still equals its SavedPass. False for
    // none.
    bool HasTwin(const TEdge* E) const;
    // Some item overlaps E's span: for a horizontal E, E.A.X <= Q.A.X < E.B.X or Q.A.X <= E.A.X < Q.B.X; for a
    // vertical E, E.B.Y < Q.A.Y <= E.A.Y or Q.B.Y < E.A.Y <= Q.A.Y; false for any other side.
    bool HasOverlap(const TEdge& E) const;

private:
    using TTwinKey = std::array<int32_t, 6>; // A, B and Pass
    using TSequence = uint64_t;              // list position: later items have larger sequences

    struct TEntry {
        TEdge* Edge;
        int32_t Cost; // as indexed
        bool Twin;    // indexed as a possible twin
        TTwinKey Key; // as indexed
    };

    static TTwinKey TwinKeyOf(const TEdge& E);
    TEdge* Take(std::map<TSequence, TEntry>::iterator Position);

    TSequence Next = 0;
    std::map<TSequence, TEntry> Order;
    std::set<std::pair<int32_t, TSequence>> ByCost;                  // edges, not none
    std::set<std::pair<std::uintptr_t, TSequence>> ByReference;      // every item, for Remove
    std::set<std::tuple<TTwinKey, std::uintptr_t, TSequence>> Twins; // edges whose Pass is their SavedPass
};

// Owns the edges of one route search; they live, at fixed addresses, until the pool is destroyed.
class TEdgePool {
public:
    // A new edge, as TEdge's constructor makes it.
    TEdge* Make(TPoint A, TPoint B, TSide Side, TEdge* Parent);
    // A new edge holding a copy of E.
    TEdge* Add(const TEdge& E);
    std::size_t Count() const { return Edges.size(); }

private:
    std::deque<TEdge> Edges;
};

} // namespace wirewright
