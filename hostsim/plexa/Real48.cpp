#include "hostsim/plexa/Real48.h"

#include "capture/SchAPITypes.h"

#include <algorithm>

namespace hostsim {

// The conversions are the boundary header's own, so the server and the plug-ins read and write angles alike.
double Real48::toDouble() const {
    snapscribe::TReal48 host;
    std::copy(bytes.begin(), bytes.end(), host.Bytes);
    return host.ToDouble();
}

std::optional<Real48> Real48::fromDouble(double value) {
    const std::optional<snapscribe::TReal48> host = snapscribe::TReal48::FromDouble(value);
    if (!host)
        return std::nullopt;
    Real48 result;
    std::copy(std::begin(host->Bytes), std::end(host->Bytes), result.bytes.begin());
    return result;
}

} // namespace hostsim
