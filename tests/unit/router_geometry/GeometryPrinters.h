// Readable failure messages for the router's geometry types.
#pragma once

#include "router/Edge.h"
#include "router/Rectangle.h"

#include <ostream>

namespace wirewright {

inline void PrintTo(const TPoint& P, std::ostream* Out) {
    *Out << "(" << P.X << ", " << P.Y << ")";
}

inline void PrintTo(const TBoundingRect& R, std::ostream* Out) {
    *Out << "[L " << R.Left << " B " << R.Bottom << " R " << R.Right << " T " << R.Top << "]";
}

inline void PrintTo(TSide S, std::ostream* Out) {
    static const char* const Names[] = {"sdLeft", "sdBottom", "sdRight", "sdTop", "sdBoth", "sdNone"};
    if (S <= sdNone)
        *Out << Names[S];
    else
        *Out << "side " << static_cast<int>(S);
}

} // namespace wirewright
