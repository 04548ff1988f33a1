#include "hostsim/host/ParameterText.h"

#include "hostkit/HostText.h"
#include "platform/AsciiText.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace hostsim {

namespace {

[[noreturn]] void Refuse(std::string_view name, std::string_view value, std::string_view expected) {
    throw ParameterError(std::string(name) + "=" + std::string(value) + ": expected " + std::string(expected));
}

template <typename Number> bool ParseWhole(std::string_view text, Number& value) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

} // namespace

ParameterText::ParameterText(std::string_view text) {
    while (!text.empty()) {
        size_t bar = text.find('|');
        std::string_view entry = text.substr(0, bar);
        text = bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1);
        size_t equals = entry.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view name = platform::TrimBlanks(entry.substr(0, equals));
        if (!name.empty())
            entries_.emplace_back(name, platform::TrimBlanks(entry.substr(equals + 1)));
    }
}

std::optional<std::string> ParameterText::find(std::string_view name) const {
    name = platform::TrimBlanks(name);
    for (const auto& [entryName, value] : entries_)
        if (platform::EqualIgnoringAsciiCase(entryName, name))
            return value;
    return std::nullopt;
}

template <typename Number>
std::optional<Number> ParameterText::number(std::string_view name, std::string_view expected) const {
    auto text = find(name);
    if (!text)
        return std::nullopt;
    Number value{};
    bool usable = ParseWhole(*text, value);
    if constexpr (std::is_floating_point_v<Number>)
        usable = usable && std::isfinite(value);
    if (!usable)
        Refuse(name, *text, expected);
    return value;
}

std::optional<int32_t> ParameterText::int32(std::string_view name) const {
    return number<int32_t>(name, "a whole number");
}

std::optional<uint8_t> ParameterText::byte(std::string_view name) const {
    return number<uint8_t>(name, "a whole number from 0 to 255");
}

std::optional<bool> ParameterText::flag(std::string_view name) const {
    auto text = find(name);
    if (!text)
        return std::nullopt;
    if (platform::EqualIgnoringAsciiCase(*text, "True"))
        return true;
    if (platform::EqualIgnoringAsciiCase(*text, "False"))
        return false;
    Refuse(name, *text, "True or False");
}

std::optional<double> ParameterText::real(std::string_view name) const {
    return number<double>(name, "a number");
}

std::string ReadParameterBuffer(const char* buffer, int32_t size) {
    return size > 0 ? hostkit::TextFromHostBuffer(buffer, static_cast<size_t>(size)) : hostkit::TextFromHost(buffer);
}

ResultText& ResultText::add(std::string_view name, std::string_view value) {
    entries_.push_back(std::string(name) + "=" + std::string(value));
    return *this;
}

ResultText& ResultText::add(std::string_view name, int32_t value) {
    return add(name, std::to_string(value));
}

void ResultText::write(char* buffer, int32_t size) const {
    if (buffer == nullptr || size < 1)
        return;
    const size_t capacity = static_cast<size_t>(size) - 1;
    std::string text;
    for (const std::string& entry : entries_) {
        size_t length = text.size() + (text.empty() ? 0 : 3) + entry.size();
        if (length > capacity)
            break;
        if (!text.empty())
            text += " | ";
        text += entry;
    }
    hostkit::CopyToHostBuffer(buffer, static_cast<size_t>(size), text);
}

} // namespace hostsim
