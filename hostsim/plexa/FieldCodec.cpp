#include "hostsim/plexa/FieldCodec.h"

namespace hostsim {

namespace {

int64_t readInteger(const Json& value, const std::string& place, int64_t low, int64_t high, const char* what) {
    const bool integral = value.is_number_integer();
    const bool inRange =
        integral && (value.is_number_unsigned() ? value.get<uint64_t>() <= static_cast<uint64_t>(high)
                                                : value.get<int64_t>() >= low && value.get<int64_t>() <= high);
    if (!inRange)
        throw FormatError(place, std::string("expected ") + what + ", found " + value.dump());
    return value.get<int64_t>();
}

} // namespace

int32_t readInt32(const Json& value, const std::string& place) {
    return static_cast<int32_t>(readInteger(value, place, std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max(), "a 32-bit integer"));
}

uint8_t readByte(const Json& value, const std::string& place) {
    return static_cast<uint8_t>(readInteger(value, place, 0, 255, "an integer from 0 to 255"));
}

uint8_t readFlag(const Json& value, const std::string& place) {
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    return static_cast<uint8_t>(readInteger(value, place, 0, 255, "true, false or an integer from 0 to 255"));
}

std::string readText(const Json& value, const std::string& place) {
    if (!value.is_string())
        throw FormatError(place, "expected a text, found " + value.dump());
    return value.get<std::string>();
}

Real48 readReal(const Json& value, const std::string& place) {
    if (value.is_number()) {
        if (const auto real = Real48::fromDouble(value.get<double>()))
            return *real;
    }
    throw FormatError(place, "expected a number the six-byte real format can hold, found " + value.dump());
}

Point readPoint(const Json& value, const std::string& place) {
    if (!value.is_array() || value.size() != 2)
        throw FormatError(place, "expected a point [x, y], found " + value.dump());
    return {readInt32(value[0], childPlace(place, 0)), readInt32(value[1], childPlace(place, 1))};
}

std::vector<Point> readPoints(const Json& value, const std::string& place) {
    std::vector<Point> points;
    const Json& array = requireArray(value, place);
    points.reserve(array.size());
    for (size_t i = 0; i < array.size(); ++i)
        points.push_back(readPoint(array[i], childPlace(place, i)));
    return points;
}

const Json& requireObject(const Json& value, const std::string& place) {
    if (!value.is_object())
        throw FormatError(place, "expected an object {...}, found " + std::string(value.type_name()));
    return value;
}

const Json& requireArray(const Json& value, const std::string& place) {
    if (!value.is_array())
        throw FormatError(place, "expected an array [...], found " + std::string(value.type_name()));
    return value;
}

Json writePoint(Point point) {
    return Json::array({point.x, point.y});
}

Json writeFlag(uint8_t value) {
    if (value <= 1)
        return value == 1;
    return value;
}

Json writeReal(const Real48& value) {
    return value.toDouble();
}

} // namespace hostsim
