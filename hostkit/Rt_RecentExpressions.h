// The recently used filter expressions of a server, led by a fixed "(All)" entry. The server module creates the
// list at the end of its construction (it loads from the user's file, or the host's example file) and frees it
// first in its destruction (it saves to the per-user registry key and to the user's file).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hostkit {

struct TRecentExpression {
    std::string Expression; // lines joined by CR LF
    std::string Description;
    bool IsAllEntry = false;
};

class TRecentExpressionList {
public:
    // At most this many entries, "(All)" included.
    static constexpr int MaxEntries = 100;

    // Adds "(All)", takes the server name from the live server module and loads the user's file, or else the
    // example file.
    TRecentExpressionList();

    // Saves to the registry and the user's file.
    ~TRecentExpressionList();

    TRecentExpressionList(const TRecentExpressionList&) = delete;
    TRecentExpressionList& operator=(const TRecentExpressionList&) = delete;

    const std::string& ServerName() const { return ServerName_; }

    int Count() const { return static_cast<int>(Entries_.size()); }
    static constexpr int FirstExpressionIndex() { return 1; }

    // Appends an entry; ignored for an empty expression. A full list drops the newest entry again.
    void AddExpression(const std::string& expression, const std::string& description);

    // The entry at Index, or nullptr outside the list.
    const TRecentExpression* GetExpressionEntry(int index) const;

    // Moves an entry and tells every listener; nothing happens for equal or invalid indexes.
    void Move(int curIndex, int newIndex);

    // Removes the entry at Index; nothing happens outside the list.
    void Delete(int index);

    // Called with the list after every Move.
    std::vector<std::function<void(TRecentExpressionList&)>> Listeners;

    // Names of the stored forms.
    std::string UserFileName() const;    // <user data folder>/<Server>RecentFilters.Txt
    std::string ExampleFileName() const; // <host folder>/System/Example<Server>Filters.Txt
    std::string SectionName() const;     // "Recent <Server> Filter Expressions"
    static constexpr const char* RegistryKey = "Software\\Korvane\\Tessellon";

    // Loads a file in the new or the old format, adding its expressions.
    void LoadFromFile(const std::string& fileName);

    // Writes the section to the registry key and to the user's file; false when either could not be written
    // (the previous file then stays intact).
    bool Save() const;

private:
    std::vector<TRecentExpression> Entries_;
    std::string ServerName_;
};

// One-line storage of an expression: "|" becomes "||", then CR LF becomes "|"; decoding reverses it.
std::string EncodeExpression(const std::string& expression);
std::string DecodeExpression(const std::string& stored);

} // namespace hostkit
