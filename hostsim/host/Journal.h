#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace hostsim {

enum class JournalKind {
    Process,        // a process was run: its name and parameter text
    ProcessRefused, // a process could not do what it was asked: its name and why
    LibraryLoaded,  // a server or plug-in library was loaded (what it serves, its file)
    DocumentOpened, // a document was opened (file name)
    DocumentShown,  // a document was brought forward in its editor
    DocumentClosed, // a document was closed
    MacroRun,       // a script was handed to the script runner (file name)
    StatusText,     // the status bar text was set
    BoxShown,       // a message box was shown (its text)
    HelpRequest,    // help was asked for (file, command, topic)
};

struct JournalEntry {
    JournalKind Kind;
    std::string Text;
};

// What the host was asked to do, in order, so that the command line can print it and tests can check it.
class Journal {
public:
    // Answers the entry's index, so that its text can be completed once the outcome is known.
    size_t record(JournalKind kind, std::string text);
    void append(size_t index, std::string_view text) { entries_.at(index).Text += text; }

    const std::vector<JournalEntry>& entries() const { return entries_; }
    // The texts of every entry of one kind, in order.
    std::vector<std::string> texts(JournalKind kind) const;
    void clear() { entries_.clear(); }

    // One line per entry: the kind's word, a colon, a blank and the text.
    void print(std::ostream& out) const;

private:
    std::vector<JournalEntry> entries_;
};

std::string_view JournalKindWord(JournalKind kind);

} // namespace hostsim
