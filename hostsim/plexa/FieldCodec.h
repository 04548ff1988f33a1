// Reading and writing records as JSON objects through tables of named fields, with errors that say where in the
// file a value is wrong and why.
#pragma once

#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "hostsim/plexa/Geometry.h"
#include "hostsim/plexa/Real48.h"

namespace hostsim {

using Json = nlohmann::ordered_json;

// A fault in a file's content: where (a JSON pointer such as "/objects/3/location") and what is wrong.
struct FormatError : std::runtime_error {
    FormatError(std::string place, const std::string& what) : std::runtime_error(what), place(std::move(place)) {}
    std::string place;
};

// A byte that files show as true or false when it is 0 or 1 (and as its number otherwise, so nothing is lost).
template <typename T> struct FlagMember { uint8_t T::*member; };

template <typename T> struct Field {
    std::string_view name;
    std::variant<uint8_t T::*, FlagMember<T>, int32_t T::*, std::string T::*, Real48 T::*, Point T::*> member;
};

template <typename T> using Fields = std::span<const Field<T>>;

inline std::string childPlace(const std::string& place, std::string_view key) {
    return place + "/" + std::string(key);
}

inline std::string childPlace(const std::string& place, size_t index) {
    return place + "/" + std::to_string(index);
}

int32_t readInt32(const Json& value, const std::string& place);
uint8_t readByte(const Json& value, const std::string& place);
uint8_t readFlag(const Json& value, const std::string& place);
std::string readText(const Json& value, const std::string& place);
Real48 readReal(const Json& value, const std::string& place);
Point readPoint(const Json& value, const std::string& place);
std::vector<Point> readPoints(const Json& value, const std::string& place);
const Json& requireObject(const Json& value, const std::string& place);
const Json& requireArray(const Json& value, const std::string& place);

Json writePoint(Point point);
Json writeFlag(uint8_t value);
Json writeReal(const Real48& value);

template <typename T> const Field<T>* findField(Fields<T> fields, std::string_view name) {
    for (const Field<T>& field : fields) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

// Reads one value into the record's member; false when the table has no field of that name.
template <typename T>
bool readField(Fields<T> fields, T& record, std::string_view name, const Json& value, const std::string& place) {
    const Field<T>* field = findField(fields, name);
    if (!field)
        return false;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, uint8_t T::*>)
                record.*member = readByte(value, place);
            else if constexpr (std::is_same_v<Member, FlagMember<T>>)
                record.*(member.member) = readFlag(value, place);
            else if constexpr (std::is_same_v<Member, int32_t T::*>)
                record.*member = readInt32(value, place);
            else if constexpr (std::is_same_v<Member, std::string T::*>)
                record.*member = readText(value, place);
            else if constexpr (std::is_same_v<Member, Real48 T::*>)
                record.*member = readReal(value, place);
            else
                record.*member = readPoint(value, place);
        },
        field->member);
    return true;
}

// Writes every field whose value differs from the default record's.
template <typename T> void writeFields(Fields<T> fields, const T& record, const T& defaults, Json& out) {
    for (const Field<T>& field : fields) {
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, FlagMember<T>>) {
                    if (record.*(member.member) != defaults.*(member.member))
                        out[std::string(field.name)] = writeFlag(record.*(member.member));
                } else if (record.*member != defaults.*member) {
                    if constexpr (std::is_same_v<Member, Real48 T::*>)
                        out[std::string(field.name)] = writeReal(record.*member);
                    else if constexpr (std::is_same_v<Member, Point T::*>)
                        out[std::string(field.name)] = writePoint(record.*member);
                    else
                        out[std::string(field.name)] = record.*member;
                }
            },
            field.member);
    }
}

// Reads every member of a JSON object through the table; any key the table does not know is an error.
template <typename T> void readFields(Fields<T> fields, T& record, const Json& object, const std::string& place) {
    for (const auto& [key, value] : requireObject(object, place).items()) {
        if (!readField(fields, record, key, value, childPlace(place, key)))
            throw FormatError(childPlace(place, key), "unknown field \"" + key + "\"");
    }
}

} // namespace hostsim
