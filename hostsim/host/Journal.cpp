#include "hostsim/host/Journal.h"

#include <ostream>

namespace hostsim {

size_t Journal::record(JournalKind kind, std::string text) {
    entries_.push_back({kind, std::move(text)});
    return entries_.size() - 1;
}

std::vector<std::string> Journal::texts(JournalKind kind) const {
    std::vector<std::string> found;
    for (const JournalEntry& entry : entries_)
        if (entry.Kind == kind)
            found.push_back(entry.Text);
    return found;
}

void Journal::print(std::ostream& out) const {
    for (const JournalEntry& entry : entries_)
        out << JournalKindWord(entry.Kind) << ": " << entry.Text << '\n';
}

std::string_view JournalKindWord(JournalKind kind) {
    switch (kind) {
    case JournalKind::Process:
        return "process";
    case JournalKind::ProcessRefused:
        return "refused";
    case JournalKind::LibraryLoaded:
        return "loaded";
    case JournalKind::DocumentOpened:
        return "document opened";
    case JournalKind::DocumentShown:
        return "document shown";
    case JournalKind::DocumentClosed:
        return "document closed";
    case JournalKind::MacroRun:
        return "macro run";
    case JournalKind::StatusText:
        return "status";
    case JournalKind::BoxShown:
        return "box shown";
    case JournalKind::HelpRequest:
        return "help request";
    }
    return "?";
}

} // namespace hostsim
