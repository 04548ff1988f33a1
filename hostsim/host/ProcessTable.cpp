#include "hostsim/host/ProcessTable.h"

#include "platform/AsciiText.h"

namespace hostsim {

void ProcessTable::add(std::string name, ProcessHandler handler) {
    std::string key = platform::AsciiUpperText(name);
    entries_.insert_or_assign(std::move(key), Entry{std::move(name), std::move(handler)});
}

const ProcessHandler* ProcessTable::find(std::string_view name) const {
    auto found = entries_.find(platform::AsciiUpperText(name));
    return found == entries_.end() ? nullptr : &found->second.Handler;
}

std::vector<std::string> ProcessTable::names() const {
    std::vector<std::string> names;
    for (const auto& [key, entry] : entries_)
        names.push_back(entry.Name);
    return names;
}

} // namespace hostsim
