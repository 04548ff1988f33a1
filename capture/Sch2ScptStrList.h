// TStrList: the recorder's small string lists (variables, dialog declaration, dialog code).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace snapscribe {

class TStrList {
public:
    // Appends Entry; an entry holding "=" at 1-based position P raises MaxNameLength to at least P - 1.
    void Add(std::string entry);
    // Index of the first entry equal to Entry ignoring the case of ASCII letters, or -1.
    int IndexOf(std::string_view entry) const;
    // Add, unless an equal entry (ignoring case) is already held.
    void AddUnique(std::string entry);

    // The longest name (the part before the first "=") among the entries added so far; 0 when none has "=".
    std::int32_t MaxNameLength() const { return maxNameLength_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool IsEmpty() const { return lines_.empty(); }
    int Count() const { return static_cast<int>(lines_.size()); }

private:
    std::vector<std::string> lines_;
    // First index of each entry by its upper-case form: keeps AddUnique linear over a sheet full of variables.
    std::unordered_map<std::string, int> firstIndex_;
    std::int32_t maxNameLength_ = 0;
};

} // namespace snapscribe
