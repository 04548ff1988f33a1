#include "router/EdgeList.h"

#include <limits>

namespace wirewright {

namespace {

std::uintptr_t ReferenceOf(const TEdge* E) {
    return reinterpret_cast<std::uintptr_t>(E);
}

bool IsReversed(const TEdge& E) {
    switch (E.Side) {
    case sdBottom:
    case sdTop:
        return E.A.X > E.B.X;
    case sdLeft:
    case sdRight:
        return E.A.Y < E.B.Y;
    default:
        return true;
    }
}

// Whether Q replaces Best as the first along Key.
bool GoesBefore(const TEdge& Q, const TEdge& Best, int32_t Key) {
    int32_t Ahead = 0; // > 0: Q is further along than Best; 0: equal keys
    if (Key == AlongX)
        Ahead = Q.A.X < Best.A.X ? 1 : (Q.A.X == Best.A.X ? 0 : -1);
    else if (Key == AlongDescendingY)
        Ahead = Q.A.Y > Best.A.Y ? 1 : (Q.A.Y == Best.A.Y ? 0 : -1);
    else
        return false;
    return Ahead > 0 || (Ahead == 0 && Q.Kind != ekObstacle);
}

} // namespace

// --- TEdgeList ------------------------------------------------------------------------------------------------------

TEdgeList::TTwinKey TEdgeList::TwinKeyOf(const TEdge& E) {
    return {E.A.X, E.A.Y, E.B.X, E.B.Y, E.Pass.X, E.Pass.Y};
}

void TEdgeList::Add(TEdge* E) {
    if (E != nullptr && IsReversed(*E))
        return;
    const TSequence Sequence = Next++;
    TEntry Entry{E, 0, false, {}};
    if (E != nullptr) {
        Entry.Cost = E->Cost;
        Entry.Twin = SamePoint(E->Pass, E->SavedPass);
        Entry.Key = TwinKeyOf(*E);
        ByCost.emplace(Entry.Cost, Sequence);
        if (Entry.Twin)
            Twins.emplace(Entry.Key, ReferenceOf(E), Sequence);
    }
    ByReference.emplace(ReferenceOf(E), Sequence);
    Order.emplace_hint(Order.end(), Sequence, Entry);
}

std::vector<TEdge*> TEdgeList::Items() const {
    std::vector<TEdge*> Result;
    Result.reserve(Order.size());
    for (const auto& [Sequence, Entry] : Order)
        Result.push_back(Entry.Edge);
    return Result;
}

TEdge* TEdgeList::Take(std::map<TSequence, TEntry>::iterator Position) {
    const TSequence Sequence = Position->first;
    const TEntry Entry = Position->second;
    if (Entry.Edge != nullptr) {
        ByCost.erase({Entry.Cost, Sequence});
        if (Entry.Twin)
            Twins.erase({Entry.Key, ReferenceOf(Entry.Edge), Sequence});
    }
    ByReference.erase({ReferenceOf(Entry.Edge), Sequence});
    Order.erase(Position);
    return Entry.Edge;
}

TEdge* TEdgeList::PopFirst() {
    return Order.empty() ? nullptr : Take(Order.begin());
}

TEdge* TEdgeList::Extract(std::size_t Index) {
    if (Index >= Order.size())
        return nullptr;
    auto Position = Order.begin();
    std::advance(Position, static_cast<std::ptrdiff_t>(Index));
    return Take(Position);
}

void TEdgeList::Remove(const TEdge* E) {
    const auto First = ByReference.lower_bound({ReferenceOf(E), 0});
    if (First == ByReference.end() || First->first != ReferenceOf(E))
        return;
    Take(Order.find(First->second));
}

TEdge* TEdgeList::PopCheapest() {
    if (ByCost.empty())
        return nullptr;
    return Take(Order.find(ByCost.begin()->second));
}

TEdge* TEdgeList::PopFirstAlong(int32_t Key) {
    auto Best = Order.end();
    for (auto Position = Order.begin(); Position != Order.end(); ++Position) {
        const TEdge* Q = Position->second.Edge;
        if (Q == nullptr)
            continue;
        if (Best == Order.end() || GoesBefore(*Q, *Best->second.Edge, Key))
            Best = Position;
    }
    return Best == Order.end() ? nullptr : Take(Best);
}

bool TEdgeList::HasTwin(const TEdge* E) const {
    if (E == nullptr)
        return false;
    const TTwinKey Key = TwinKeyOf(*E);
    // Twins are sorted by key, then by reference: E's own entries are either first or followed by the others.
    auto Position = Twins.lower_bound({Key, 0, 0});
    if (Position == Twins.end() || std::get<0>(*Position) != Key)
        return false;
    if (std::get<1>(*Position) != ReferenceOf(E))
        return true;
    Position = Twins.upper_bound({Key, ReferenceOf(E), std::numeric_limits<TSequence>::max()});
    return Position != Twins.end() && std::get<0>(*Position) == Key;
}

bool TEdgeList::HasOverlap(const TEdge& E) const {
    const bool Horizontal = E.Side == sdBottom || E.Side == sdTop;
    const bool Vertical = E.Side == sdLeft || E.Side == sdRight;
    for (const auto& [Sequence, Entry] : Order) {
        const TEdge* Q = Entry.Edge;
        if (Q == nullptr)
            continue;
        if (Horizontal && ((E.A.X <= Q->A.X && Q->A.X < E.B.X) || (Q->A.X <= E.A.X && E.A.X < Q->B.X)))
            return true;
        if (Vertical && ((E.B.Y < Q->A.Y && Q->A.Y <= E.A.Y) || (Q->B.Y < E.A.Y && E.A.Y <= Q->A.Y)))
            return true;
    }
    return false;
}

// --- TEdgePool ------------------------------------------------------------------------------------------------------

TEdge* TEdgePool::Make(TPoint A, TPoint B, TSide Side, TEdge* Parent) {
    return &Edges.emplace_back(A, B, Side, Parent);
}

TEdge* TEdgePool::Add(const TEdge& E) {
    return &Edges.emplace_back(E);
}

} // namespace wirewright
