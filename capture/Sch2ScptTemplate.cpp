#include "capture/Sch2ScptTemplate.h"

#include <algorithm>
#include <array>

namespace snapscribe {

TPlaceholder FindPlaceholder(std::string_view line) {
    static constexpr std::array<std::string_view, phNone> Placeholders = {
        "$Place Global Variables", "$Place Dialog Declaration", "$Place Dialog Code", "$Place Circuit Code",
        "$Place Variables Initialisation Code"};
    for (std::size_t i = 0; i < Placeholders.size(); ++i) {
        if (line.find(Placeholders[i]) != std::string_view::npos)
            return static_cast<TPlaceholder>(i);
    }
    return phNone;
}

std::string_view LeadingBlanks(std::string_view line) {
    constexpr std::size_t MaxIndent = 80;
    const std::size_t blanks = std::min(line.find_first_not_of(' '), line.size());
    return line.substr(0, std::min(blanks, MaxIndent));
}

std::string TemplateName(bool isPascal) {
    return isPascal ? "TEMPLATE.TRP" : "TEMPLATE.BAS";
}

} // namespace snapscribe
