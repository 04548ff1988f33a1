#include "router/Obstacle.h"

#include <initializer_list>

namespace wirewright {

namespace {

constexpr uint64_t KindMask(std::initializer_list<uint8_t> Kinds) {
    uint64_t Mask = 0;
    for (const uint8_t Kind : Kinds)
        Mask |= uint64_t{1} << Kind;
    return Mask;
}

constexpr uint64_t UnpaddedKinds = KindMask({okBus, okJunction, okNetLabel, okPowerObject, okWire, okUnknown});
constexpr uint64_t LineKinds = KindMask({okBus, okLine, okPolyline, okWire});

bool InKindSet(uint64_t Set, uint8_t Kind) {
    return Kind < 64 && ((Set >> Kind) & 1) != 0;
}

} // namespace

bool IsUnpaddedKind(uint8_t Kind) {
    return InKindSet(UnpaddedKinds, Kind);
}

bool IsLineKind(uint8_t Kind) {
    return InKindSet(LineKinds, Kind);
}

TObstacle::TObstacle(const TBoundingRect& ARect, uint8_t AKind)
    : IsLeaf(1), Kind(AKind), Rect(ARect), HoldsInverted(ARect.Left > ARect.Right || ARect.Bottom > ARect.Top) {}

TObstacle::TObstacle(TObstacle* Low, TObstacle* High)
    : LowChild(Low), HighChild(High), IsLeaf(0), Kind(InnerNodeKind), Rect(Low->Rect.Union(High->Rect)),
      HoldsInverted(Low->HoldsInverted | High->HoldsInverted) {}

} // namespace wirewright
