#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hostsim {

// A process argument that is present but unusable ("Color=red"); the process refuses to run.
class ParameterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A parameter text as the host reads it: entries "Name=Value" separated by "|". The first "=" ends the name,
// names are trimmed and compared without regard to ASCII case, values are trimmed, the first entry of a name wins.
class ParameterText {
public:
    explicit ParameterText(std::string_view text);

    // The trimmed value of the first entry named Name, or nothing.
    std::optional<std::string> find(std::string_view name) const;

    // Typed readers answer nothing for an absent entry and throw ParameterError for one that does not convert.
    std::optional<int32_t> int32(std::string_view name) const;
    std::optional<uint8_t> byte(std::string_view name) const;
    // "True" in any case is true, "False" in any case is false; other words are refused.
    std::optional<bool> flag(std::string_view name) const;
    std::optional<double> real(std::string_view name) const;

private:
    template <typename Number> std::optional<Number> number(std::string_view name, std::string_view expected) const;

    std::vector<std::pair<std::string, std::string>> entries_;
};

// The text a plug-in handed over in a buffer of the declared size: up to the terminating zero, never beyond Size
// bytes when Size is positive (a size of 0 comes with a constant text that is only read).
std::string ReadParameterBuffer(const char* buffer, int32_t size);

// Result entries the host writes back into the caller's buffer.
class ResultText {
public:
    ResultText& add(std::string_view name, std::string_view value);
    ResultText& add(std::string_view name, int32_t value);

    // Writes the entries joined by " | " into the buffer of Size bytes, terminated. Only whole entries are written:
    // an entry that does not fit is dropped with all that follow, so a reader never sees a cut value.
    // Nothing is written when Size is below 1.
    void write(char* buffer, int32_t size) const;

private:
    std::vector<std::string> entries_;
};

} // namespace hostsim
