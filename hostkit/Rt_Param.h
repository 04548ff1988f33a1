// Parameter texts of host processes: entries "Name=Value" separated by "|", for example
// "Server=Sch | Action=Start".
//
// The first "=" of an entry ends its name; a "|" always ends the entry (there is no quoting). Entries without "="
// or with an empty name are ignored. Names are trimmed (codes up to 32) and compared ignoring ASCII case; values
// are kept as written and trimmed when read. The first entry of a name wins.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hostkit {

// Limits of the format.
constexpr std::size_t ParameterTextLimit = 63999;  // characters of a whole text held for look-up (64,000 bytes)
constexpr std::size_t ParameterValueLimit = 63999; // characters of one value while parsing (64,000 bytes)
constexpr std::size_t ParameterNameLimit = 255;    // characters of a name; later ones are dropped
constexpr std::size_t ParameterReadLimit = 255;    // characters of a value read back

// One entry: its trimmed name (at most 255 characters) and its value as written (empty when none was given).
struct TParameter {
    std::string Name;
    std::string Value;
};

// A parsed parameter text.
class TParameterList {
public:
    // Replaces the content by the entries of Text (nullptr: none). A value longer than ParameterValueLimit keeps
    // its first ParameterValueLimit characters.
    void Parse(const char* text);

    // The first entry named Name (trimmed, ignoring ASCII case), or nullptr.
    const TParameter* Find(std::string_view name) const;

    // Trims Name and appends an entry when it is not empty.
    void AddParameter(std::string_view name, std::string_view value);

    void ClearParameters() { Entries_.clear(); }

    std::size_t Count() const { return Entries_.size(); }
    const TParameter& operator[](std::size_t index) const { return Entries_[index]; }

private:
    std::vector<TParameter> Entries_;
};

// Looks Name up in the parameter text Text. True when an entry of that name exists; Value is then its value cut to
// 255 characters and trimmed, otherwise empty. A text longer than ParameterTextLimit is looked up in its first
// ParameterTextLimit characters. Consecutive look-ups in the same text parse it once.
bool GetParameterValue(const char* text, std::string_view name, std::string& value);

} // namespace hostkit
