#include "router/Edge.h"
#include "router/ObstacleTree.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace wirewright {

namespace {

bool IsHorizontal(const TEdge& E) {
    return E.Side == sdBottom || E.Side == sdTop;
}

bool Between(int64_t Value, int64_t First, int64_t Second) {
    return (First <= Value && Value <= Second) || (Second <= Value && Value <= First);
}

// v / g truncated toward zero, and rounded to the nearest integer with halves going to the even one.
int32_t Truncated(int32_t V, int32_t G) {
    return V / G;
}

int32_t Rounded(int32_t V, int32_t G) {
    const int32_t Quotient = V / G;
    const int64_t Twice = 2 * std::abs(static_cast<int64_t>(V) - static_cast<int64_t>(Quotient) * G);
    const int32_t Away = V < 0 ? -1 : 1;
    if (Twice > G || (Twice == G && Quotient % 2 != 0))
        return Quotient + Away;
    return Quotient;
}

bool OnGrid(int32_t V, int32_t G) {
    return V % G == 0;
}

int32_t Saturated(int64_t Value) {
    constexpr int64_t Most = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(Value > Most ? Most : Value);
}

} // namespace

int32_t Distance(TPoint P, TPoint Q) {
    // Squares of coordinate differences can exceed 64 bits; doubles hold them.
    const double DX = static_cast<double>(Q.X) - P.X;
    const double DY = static_cast<double>(Q.Y) - P.Y;
    const double Root = std::sqrt(DX * DX + DY * DY);
    return Root >= std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                       : static_cast<int32_t>(Root);
}

void TEdge::SetEntry(TPoint StartExit, const TObstacleTree& Tree) {
    if (Parent != nullptr) {
        Entry = Parent->Pass;
        ParentKind = Parent->Kind;
        ParentSide = Parent->Side;
        EntryOnLine = Parent->PassTouchesLine;
        return;
    }
    Entry = StartExit;
    // A wire through the start that runs along this edge's way counts as coming from this side.
    ParentSide = Tree.LineOrientationAt(StartExit);
    if ((ParentSide == sdLeft && !IsHorizontal(*this)) || (ParentSide == sdTop && IsHorizontal(*this)))
        ParentSide = Side;
    EntryOnLine = Tree.IsOnLine(Entry);
    ParentKind = EntryOnLine ? ekLine : ekFree;
}

void TEdge::PlacePass(TPoint /*Start*/, TPoint Goal, TPoint GoalEntry, int32_t Grid, const TObstacleTree& Tree,
                      bool Snap) {
    TPoint P;
    const double DX = static_cast<double>(GoalEntry.X) - Entry.X;
    const double DY = static_cast<double>(GoalEntry.Y) - Entry.Y;
    if (IsHorizontal(*this)) {
        if (Between(A.Y, Entry.Y, Goal.Y)) {
            if (Entry.X == GoalEntry.X)
                P = {Entry.X, A.Y};
            else if (Entry.Y == GoalEntry.Y)
                P = {UnsetCoord, UnsetCoord};
            else {
                const double M = DY / DX;
                const double C = Entry.Y - Entry.X * M;
                P = {static_cast<int32_t>(std::trunc((A.Y - C) / M)), A.Y};
            }
        } else
            P = {static_cast<int32_t>((static_cast<int64_t>(Entry.X) + Goal.X) / 2), A.Y};
    } else {
        if (Between(A.X, Entry.X, Goal.X)) {
            if (Entry.Y == GoalEntry.Y)
                P = {A.X, Entry.Y};
            else if (Entry.X == GoalEntry.X)
                P = {UnsetCoord, UnsetCoord};
            else {
                const double M = DY / DX;
                const double C = Entry.Y - Entry.X * M;
                P = {A.X, static_cast<int32_t>(std::trunc(M * A.X + C))};
            }
        } else
            P = {A.X, static_cast<int32_t>((static_cast<int64_t>(Entry.Y) + Goal.Y) / 2)};
    }
    ClampPass(P, Grid, Snap);
    AdjustPass(Grid, Tree, Snap);
    SavedPass = Pass;
    AtLineEnd = Parent != nullptr && PassTouchesLine && PassAtLineEnd;
}

void TEdge::ClampPass(TPoint P, int32_t Grid, bool Snap) {
    TPoint Base = P;
    if (IsHorizontal(*this) ? P.X < A.X : P.Y > A.Y)
        Base = A;
    else if (IsHorizontal(*this) ? P.X > B.X : P.Y < B.Y)
        Base = B;
    Pass = Snap ? SnapPass(Base, Grid) : Base;
}

TPoint TEdge::SnapPass(TPoint P, int32_t Grid) const {
    if (Grid <= 0) // no grid to snap to
        return P;
    const int32_t G = Grid;
    // Across: down (truncated) for a top or right side, up unless already on the grid for a bottom or left side.
    const auto Across = [G](int32_t V, bool Down) {
        return Down || OnGrid(V, G) ? Truncated(V, G) * G : (Truncated(V, G) + 1) * G;
    };
    if (IsHorizontal(*this)) {
        P.Y = Across(P.Y, Side == sdTop);
        int32_t X = Rounded(P.X, G) * G;
        if (X > B.X)
            X = Truncated(P.X, G) * G;
        if (X < A.X)
            X = (Truncated(P.X, G) + 1) * G;
        P.X = X;
    } else {
        P.X = Across(P.X, Side == sdRight);
        int32_t Y = Rounded(P.Y, G) * G;
        if (Y < B.Y)
            Y = (Truncated(P.Y, G) + 1) * G;
        if (Y > A.Y)
            Y = Truncated(P.Y, G) * G;
        P.Y = Y;
    }
    return P;
}

void TEdge::AdjustPass(int32_t Grid, const TObstacleTree& Tree, bool Snap) {
    const int32_t Step = Snap ? Grid : 3;
    const int32_t Hop = Snap ? Grid : 2;
    const bool Horizontal = IsHorizontal(*this);

    // One step along the edge, away from its nearer end.
    const auto Nudge = [&] {
        if (Horizontal)
            Pass.X += Pass.X - A.X > B.X - Pass.X ? -Step : Step;
        else
            Pass.Y += A.Y - Pass.Y > Pass.Y - B.Y ? Step : -Step;
    };
    // One step back into the corridor.
    const auto StepBack = [&] {
        switch (Side) {
        case sdLeft:
            Pass.X += Step;
            break;
        case sdBottom:
            Pass.Y += Step;
            break;
        case sdRight:
            Pass.X -= Step;
            break;
        default:
            Pass.Y -= Step;
            break;
        }
    };
    const auto OutsideOpenSpan = [&](TPoint P) {
        return Horizontal ? (P.X <= A.X || P.X >= B.X) : (P.Y >= A.Y || P.Y <= B.Y);
    };
    const auto AtEdgeEnd = [&] { return SamePoint(Pass, A) || SamePoint(Pass, B); };
    const auto OnEdgeLine = [&] { return Horizontal ? Pass.Y == A.Y : Pass.X == A.X; };
    // The corridor is no deeper than Depth, or the parent faced the same way and Entry is that close to the edge.
    const auto ShortHop = [&](int32_t Depth) {
        switch (Side) {
        case sdTop:
            return Corridor.Top - Corridor.Bottom <= Depth || (ParentSide == sdTop && Corridor.Top - Entry.Y <= Depth);
        case sdBottom:
            return Corridor.Top - Corridor.Bottom <= Depth ||
                   (ParentSide == sdBottom && Entry.Y - Corridor.Bottom <= Depth);
        case sdRight:
            return Corridor.Right - Corridor.Left <= Depth ||
                   (ParentSide == sdRight && Corridor.Right - Entry.X <= Depth);
        default:
            return Corridor.Right - Corridor.Left <= Depth ||
                   (ParentSide == sdLeft && Entry.X - Corridor.Left <= Depth);
        }
    };

    if (Kind == ekFree && Tree.IsLineEndAt(Pass))
        Nudge();
    if (!ShortHop(Hop)) {
        if (OnEdgeLine())
            StepBack();
        if (Tree.IsOnLine(Pass))
            Nudge();
        PassTouchesLine = Tree.IsOnLine(Pass);
        if (PassTouchesLine)
            PassFree = false;
    } else if (EntryOnLine) {
        if (Horizontal)
            Pass.X = Entry.X;
        else
            Pass.Y = Entry.Y;
        if (OutsideOpenSpan(Pass))
            PassOutside = true;
        PassTouchesLine = Tree.IsOnLine(Pass);
    } else if (ParentKind == ekLine && Kind == ekLine && Side == ParentSide) {
        PassTouchesLine = true;
        if (AtEdgeEnd())
            Nudge();
    } else if (ParentKind == ekLine && Kind == ekFree && Side == ParentSide) {
        if (Tree.IsOnLine(Pass))
            StepBack();
        PassTouchesLine = Tree.IsOnLine(Pass);
        if (PassTouchesLine)
            Nudge();
    } else {
        if (AtEdgeEnd())
            Nudge();
        if (Tree.MoreThanOneLineAt(Pass))
            Nudge();
        PassTouchesLine = Tree.IsLineEndAt(Pass);
        if (PassTouchesLine)
            Nudge();
    }
    if (!Corridor.ContainsPoint(Pass) && !OutsideOpenSpan(Entry))
        Pass = Entry;
    PassAtLineEnd = PassTouchesLine && Tree.IsLineEndAt(Pass);
}

void TEdge::Evaluate(TPoint Start, TPoint Goal, TPoint GoalEntry, int32_t AvoidLevel, const TObstacleTree& Tree) {
    PathShape = Tree.ClassifyCornerByLines(Entry, Pass, Start, Goal);
    Remaining = Distance(Pass, GoalEntry);
    PathLength = Saturated(static_cast<int64_t>(Distance(Entry, Pass)) + (Parent != nullptr ? Parent->PathLength : 0));
    Estimate = Saturated(static_cast<int64_t>(PathLength) + Remaining);
    CrossesLine = Kind == ekLine ? 1 : 0;
    const bool Blocked = PathShape == sdNone || !PassFree || PassOutside;
    if (SlideTurns >= 2 || (!AtLineEnd && Blocked))
        Cost = BlockedCost;
    else
        Cost = Saturated(Estimate + static_cast<int64_t>(CrossesLine) * (AvoidLevel - 1) * Estimate);
}

void TEdge::SetSlideSide(TPoint StartExit, TPoint GoalEntry) {
    if (IsHorizontal(*this))
        SlideSide = StartExit.X < GoalEntry.X ? sdRight : sdLeft;
    else
        SlideSide = StartExit.Y < GoalEntry.Y ? sdTop : sdBottom;
}

void TEdge::SlidePass(TPoint StartExit, TPoint GoalEntry, const TObstacleTree& Tree, int32_t Grid) {
    const int32_t G = Grid;
    switch (SlideSide) {
    case sdLeft:
        Pass.X -= G;
        if (Pass.X < A.X) {
            ++SlideTurns;
            SlideSide = sdRight;
            Pass.X = SavedPass.X + G;
        }
        break;
    case sdBottom:
        Pass.Y -= G;
        if (Pass.Y < B.Y) {
            ++SlideTurns;
            SlideSide = sdTop;
            Pass.Y = SavedPass.Y + G;
        }
        break;
    case sdRight:
        Pass.X += G;
        if (Pass.X > B.X) {
            ++SlideTurns;
            SlideSide = sdLeft;
            Pass.X = SavedPass.X - G;
        }
        break;
    case sdTop:
        Pass.Y += G;
        if (Pass.Y > A.Y) {
            ++SlideTurns;
            SlideSide = sdBottom;
            Pass.Y = SavedPass.Y - G;
        }
        break;
    default:
        break;
    }
    PathShape = SlideTurns == 2 ? sdNone : Tree.ClassifyCornerByLines(Entry, Pass, StartExit, GoalEntry);
}

void TEdge::ReverseSlide() {
    if (SlideSide <= sdTop) {
        SlideSide = OppositeSide(SlideSide);
        ++SlideTurns;
    }
    Pass = SavedPass;
}

} // namespace wirewright
