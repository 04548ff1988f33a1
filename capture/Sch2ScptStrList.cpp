#include "capture/Sch2ScptStrList.h"

#include "platform/AsciiText.h"

#include <algorithm>

namespace snapscribe {

void TStrList::Add(std::string entry) {
    const std::size_t equals = entry.find('=');
    if (equals != std::string::npos)
        maxNameLength_ = std::max(maxNameLength_, static_cast<std::int32_t>(equals));
    firstIndex_.try_emplace(platform::AsciiUpperText(entry), Count());
    lines_.push_back(std::move(entry));
}

int TStrList::IndexOf(std::string_view entry) const {
    const auto found = firstIndex_.find(platform::AsciiUpperText(entry));
    return found == firstIndex_.end() ? -1 : found->second;
}

void TStrList::AddUnique(std::string entry) {
    if (IndexOf(entry) < 0)
        Add(std::move(entry));
}

} // namespace snapscribe
