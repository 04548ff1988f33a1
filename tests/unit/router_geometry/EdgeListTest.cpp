#include "router/EdgeList.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

namespace wirewright {
namespace {

TEdge Horizontal(int32_t X1, int32_t X2, int32_t Y, int32_t Cost = 0, uint8_t Kind = ekFree) {
    TEdge E({X1, Y}, {X2, Y}, sdTop, nullptr);
    E.Cost = Cost;
    E.Kind = Kind;
    return E;
}

TEdge Vertical(int32_t X, int32_t Y1, int32_t Y2, uint8_t Kind = ekFree) {
    TEdge E({X, Y1}, {X, Y2}, sdLeft, nullptr);
    E.Kind = Kind;
    return E;
}

TEST(EdgeList, AddRefusesReversedEdgesAndEdgesWithoutASide) {
    struct Case {
        const char* What;
        TEdge E;
        bool Accepted;
    };
    const Case Cases[] = {
        {"horizontal, left to right", TEdge({0, 0}, {5, 0}, sdBottom, nullptr), true},
        {"horizontal, right to left", TEdge({5, 0}, {0, 0}, sdTop, nullptr), false},
        {"vertical, top to bottom", TEdge({0, 5}, {0, 0}, sdRight, nullptr), true},
        {"vertical, bottom to top", TEdge({0, 0}, {0, 5}, sdLeft, nullptr), false},
        {"a single point", TEdge({3, 3}, {3, 3}, sdLeft, nullptr), true},
        {"side sdBoth", TEdge({0, 0}, {5, 0}, sdBoth, nullptr), false},
        {"side sdNone", TEdge({0, 0}, {5, 0}, sdNone, nullptr), false},
    };
    for (Case C : Cases) {
        SCOPED_TRACE(C.What);
        TEdgeList List;
        List.Add(&C.E);
        EXPECT_EQ(List.Count(), C.Accepted ? 1u : 0u);
    }
    TEdgeList List;
    List.Add(nullptr);
    EXPECT_EQ(List.Items(), std::vector<TEdge*>{nullptr});
}

TEST(EdgeList, PopCheapestTakesTheLowestCostAndTheEarliestOnTies) {
    TEdge E[] = {Horizontal(0, 1, 0, 30), Horizontal(0, 1, 1, 10), Horizontal(0, 1, 2, 20), Horizontal(0, 1, 3, 10)};
    TEdgeList List;
    List.Add(nullptr);
    for (TEdge& Edge : E)
        List.Add(&Edge);
    EXPECT_EQ(List.PopCheapest(), &E[1]);
    EXPECT_EQ(List.PopCheapest(), &E[3]);
    EXPECT_EQ(List.PopCheapest(), &E[2]);
    EXPECT_EQ(List.PopCheapest(), &E[0]);
    // What is left is none, which is never the cheapest edge.
    EXPECT_EQ(List.PopCheapest(), nullptr);
    EXPECT_EQ(List.Count(), 1u);
}

TEST(EdgeList, PopFirstAlongPrefersLineAndFreeEdgesOnEqualKeys) {
    struct Case {
        const char* What;
        std::vector<TEdge> Edges;
        int32_t Key;
        int Expected;
    };
    const Case Cases[] = {
        {"smallest X", {Horizontal(5, 9, 0), Horizontal(2, 9, 0), Horizontal(3, 9, 0)}, AlongX, 1},
        {"obstacle first, free second", {Horizontal(2, 9, 0, 0, ekObstacle), Horizontal(2, 9, 0)}, AlongX, 1},
        {"free first, obstacle second", {Horizontal(2, 9, 0), Horizontal(2, 9, 0, 0, ekObstacle)}, AlongX, 0},
        {"the last of equal free edges",
         {Horizontal(2, 9, 0, 0, ekLine), Horizontal(2, 9, 0), Horizontal(2, 5, 0, 0, ekObstacle)},
         AlongX,
         1},
        {"the first of equal obstacle edges",
         {Horizontal(2, 9, 0, 0, ekObstacle), Horizontal(2, 5, 0, 0, ekObstacle)},
         AlongX,
         0},
        {"largest Y", {Vertical(0, 5, 0), Vertical(0, 9, 0, ekObstacle), Vertical(0, 7, 0)}, AlongDescendingY, 1},
        {"equal Y", {Vertical(0, 9, 0, ekObstacle), Vertical(0, 9, 3, ekLine)}, AlongDescendingY, 1},
        {"another key keeps the first", {Horizontal(5, 9, 0), Horizontal(2, 9, 0)}, 1, 0},
    };
    for (Case C : Cases) {
        SCOPED_TRACE(C.What);
        TEdgeList List;
        for (TEdge& E : C.Edges)
            List.Add(&E);
        EXPECT_EQ(List.PopFirstAlong(C.Key), &C.Edges[C.Expected]);
        EXPECT_EQ(List.Count(), C.Edges.size() - 1);
    }
    TEdgeList Empty;
    Empty.Add(nullptr);
    EXPECT_EQ(Empty.PopFirstAlong(AlongX), nullptr);
}

TEST(EdgeList, HasTwinIgnoresTheEdgeItselfAndEdgesSlidAway) {
    TEdge E = Horizontal(0, 10, 5);
    E.Pass = E.SavedPass = {4, 5};
    TEdge Twin = E;
    TEdge Slid = E;
    Slid.SavedPass = {6, 5};
    TEdge Elsewhere = E;
    Elsewhere.Pass = Elsewhere.SavedPass = {5, 5};

    TEdgeList List;
    List.Add(&E);
    List.Add(&E);
    List.Add(&Slid);
    List.Add(&Elsewhere);
    List.Add(nullptr);
    EXPECT_FALSE(List.HasTwin(&E));
    EXPECT_FALSE(List.HasTwin(nullptr));
    // E's own pass point may have been slid: only the item's pass point must be where it was placed.
    EXPECT_TRUE(List.HasTwin(&Slid));

    List.Add(&Twin);
    EXPECT_TRUE(List.HasTwin(&E));
    List.Remove(&Twin);
    EXPECT_FALSE(List.HasTwin(&E));
}

TEST(EdgeList, HasOverlapComparesHalfOpenSpans) {
    struct Case {
        const char* What;
        TEdge Item, E;
        bool Overlaps;
    };
    const Case Cases[] = {
        {"item starting inside", Horizontal(5, 20, 0), Horizontal(0, 10, 0), true},
        {"item starting at E's end", Horizontal(10, 20, 0), Horizontal(0, 10, 0), false},
        {"E starting inside the item", Horizontal(-5, 3, 0), Horizontal(0, 10, 0), true},
        {"E starting at the item's end", Horizontal(-5, 0, 0), Horizontal(0, 10, 0), false},
        {"same start", Horizontal(0, 1, 0), Horizontal(0, 10, 0), true},
        {"vertical, item starting inside", Vertical(0, 8, -5), Vertical(0, 10, 0), true},
        {"vertical, item starting at E's end", Vertical(0, 0, -5), Vertical(0, 10, 0), false},
        {"vertical, E starting inside", Vertical(0, 15, 5), Vertical(0, 10, 0), true},
        {"vertical, E starting at the item's end", Vertical(0, 20, 10), Vertical(0, 10, 0), false},
        {"E without a side", Horizontal(0, 10, 0), TEdge({0, 0}, {10, 0}, sdNone, nullptr), false},
    };
    for (Case C : Cases) {
        SCOPED_TRACE(C.What);
        TEdgeList List;
        List.Add(nullptr);
        List.Add(&C.Item);
        EXPECT_EQ(List.HasOverlap(C.E), C.Overlaps);
    }
}

TEST(EdgeList, ListOrderSurvivesRemovalsAndExtraction) {
    TEdge E[] = {Horizontal(0, 1, 0), Horizontal(0, 1, 1), Horizontal(0, 1, 2), Horizontal(0, 1, 3)};
    TEdgeList List;
    for (TEdge& Edge : E)
        List.Add(&Edge);
    List.Add(&E[1]);
    List.Remove(&E[1]);
    EXPECT_EQ(List.Items(), (std::vector<TEdge*>{&E[0], &E[2], &E[3], &E[1]}));
    EXPECT_EQ(List.Extract(2), &E[3]);
    EXPECT_EQ(List.Extract(3), nullptr);
    EXPECT_EQ(List.PopFirst(), &E[0]);
    List.Remove(&E[3]);
    EXPECT_EQ(List.Items(), (std::vector<TEdge*>{&E[2], &E[1]}));
    EXPECT_EQ(List.PopFirst(), &E[2]);
    EXPECT_EQ(List.PopFirst(), &E[1]);
    EXPECT_EQ(List.PopFirst(), nullptr);
    EXPECT_TRUE(List.IsEmpty());
}

TEST(EdgePool, EdgesKeepTheirAddressesWhileThePoolGrows) {
    TEdgePool Pool;
    TEdge* First = Pool.Make({0, 0}, {5, 0}, sdTop, nullptr);
    for (int I = 0; I < 10000; ++I)
        Pool.Make({I, 0}, {I, 0}, sdTop, First);
    const TEdge* Copy = Pool.Add(*First);
    EXPECT_EQ(First->B, (TPoint{5, 0}));
    EXPECT_NE(Copy, First);
    EXPECT_EQ(Copy->B, First->B);
    EXPECT_EQ(Pool.Count(), 10002u);
}

// The answers of the plain list the search was written against: a scan in list order.
class PlainList {
public:
    // The edges of the test are never reversed.
    void Add(TEdge* E) { Items.push_back(E); }
    TEdge* PopCheapest() {
        auto Best = Items.end();
        for (auto It = Items.begin(); It != Items.end(); ++It)
            if (*It != nullptr && (Best == Items.end() || (*It)->Cost < (*Best)->Cost))
                Best = It;
        return Take(Best);
    }
    bool HasTwin(const TEdge* E) const {
        for (const TEdge* Q : Items)
            if (Q != nullptr && Q != E && Q->A == E->A && Q->B == E->B && Q->Pass == E->Pass && Q->Pass == Q->SavedPass)
                return true;
        return false;
    }
    void Remove(const TEdge* E) {
        for (auto It = Items.begin(); It != Items.end(); ++It)
            if (*It == E) {
                Items.erase(It);
                return;
            }
    }
    TEdge* Extract(std::size_t Index) { return Index < Items.size() ? Take(Items.begin() + Index) : nullptr; }
    std::vector<TEdge*> Snapshot() const { return {Items.begin(), Items.end()}; }

private:
    TEdge* Take(std::deque<TEdge*>::iterator It) {
        if (It == Items.end())
            return nullptr;
        TEdge* E = *It;
        Items.erase(It);
        return E;
    }
    std::deque<TEdge*> Items;
};

TEST(EdgeList, IndexedAnswersMatchAScanOfThePlainList) {
    std::mt19937 Random(7);
    const auto Pick = [&](int N) { return static_cast<int>(Random() % static_cast<unsigned>(N)); };
    // A few shapes and pass points, so that costs tie and twins occur often.
    std::deque<TEdge> Edges;
    for (int I = 0; I < 400; ++I) {
        TEdge& E = Edges.emplace_back(Horizontal(Pick(3), 3 + Pick(3), Pick(2), Pick(6)));
        E.Pass = {Pick(3), E.A.Y};
        E.SavedPass = Pick(4) == 0 ? TPoint{9, 9} : E.Pass;
    }
    const auto AnyEdge = [&]() -> TEdge* { return Pick(40) == 0 ? nullptr : &Edges[Pick(400)]; };

    TEdgeList List;
    PlainList Plain;
    for (int Step = 0; Step < 20000; ++Step) {
        switch (Pick(6)) {
        case 0:
        case 1: {
            TEdge* E = AnyEdge();
            List.Add(E);
            Plain.Add(E);
            break;
        }
        case 2:
            ASSERT_EQ(List.PopCheapest(), Plain.PopCheapest()) << "step " << Step;
            break;
        case 3: {
            TEdge* E = &Edges[Pick(400)];
            ASSERT_EQ(List.HasTwin(E), Plain.HasTwin(E)) << "step " << Step;
            break;
        }
        case 4: {
            TEdge* E = AnyEdge();
            List.Remove(E);
            Plain.Remove(E);
            break;
        }
        default: {
            const std::size_t Index = static_cast<std::size_t>(Pick(static_cast<int>(List.Count()) + 2));
            ASSERT_EQ(List.Extract(Index), Plain.Extract(Index)) << "step " << Step;
            break;
        }
        }
        ASSERT_EQ(List.Count(), Plain.Snapshot().size());
    }
    EXPECT_EQ(List.Items(), Plain.Snapshot());
}

} // namespace
} // namespace wirewright
