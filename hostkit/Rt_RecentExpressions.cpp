#include "hostkit/Rt_RecentExpressions.h"
#include "hostkit/HostText.h"
#include "hostkit/InterfacedObject.h"
#include "hostkit/RT_ServerImplementation.h"
#include "hostkit/Rt_Util.h"
#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Module.h"
#include "platform/Profile.h"
#include "platform/Registry.h"

#include <algorithm>
#include <charconv>

namespace hostkit {

namespace {

constexpr const char* NewFileFormatKey = "NewFileFormat";
constexpr const char* CountKey = "RecentExpressionCount";
constexpr const char* ExpressionKey = "RecentExpression";
constexpr const char* DescriptionKey = "RecentDescription";
constexpr const char* AllCaption = "(All)";

// A whole decimal number, or Default.
int IntegerOr(const std::string& text, int defaultValue) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : defaultValue;
}

// The highest k of the "RecentExpression<k>" keys present, so that a bogus count cannot make loading spin.
int HighestExpressionNumber(const platform::ProfileFile& file, const std::string& section) {
    const std::string_view prefix = ExpressionKey;
    int highest = 0;
    for (const std::string& key : file.Keys(section)) {
        if (key.size() > prefix.size() && platform::EqualIgnoringAsciiCase(key.substr(0, prefix.size()), prefix)) {
            highest = std::max(highest, IntegerOr(key.substr(prefix.size()), 0));
        }
    }
    return highest;
}

} // namespace

std::string EncodeExpression(const std::string& expression) {
    std::string escaped;
    for (char c : expression) {
        escaped += c == '|' ? "||" : std::string(1, c);
    }
    std::string stored;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\r' && i + 1 < escaped.size() && escaped[i + 1] == '\n') {
            stored += '|';
            ++i;
        } else {
            stored += escaped[i];
        }
    }
    return stored;
}

std::string DecodeExpression(const std::string& stored) {
    // Walked from the end, built backwards.
    std::string reversed;
    for (std::size_t i = stored.size(); i > 0; --i) {
        const char c = stored[i - 1];
        if (c != '|') {
            reversed += c;
        } else if (i >= 2 && stored[i - 2] == '|') {
            reversed += '|';
            --i;
        } else {
            reversed += "\n\r";
        }
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

TRecentExpressionList::TRecentExpressionList() {
    Entries_.push_back({"", AllCaption, true});
    if (const TInterfaceRef<IServerModule> module = GlobalServerModule()) {
        ServerName_ = TextFromHost(module.Get()->Vtbl->GetModuleName(module.Get()));
    }
    if (const std::string user = UserFileName(); platform::FileExistsOnDisk(user)) {
        LoadFromFile(user);
    } else if (const std::string example = ExampleFileName(); platform::FileExistsOnDisk(example)) {
        LoadFromFile(example);
    }
}

TRecentExpressionList::~TRecentExpressionList() {
    // A list that cannot be saved keeps the previous files; nothing may escape a destructor.
    Guarded([&] { Save(); });
}

std::string TRecentExpressionList::UserFileName() const {
    return platform::JoinPath(GetUserDataFolder(), ServerName_ + "RecentFilters.Txt");
}

std::string TRecentExpressionList::ExampleFileName() const {
    return platform::JoinPath(platform::JoinPath(HostFolder(), "System"), "Example" + ServerName_ + "Filters.Txt");
}

std::string TRecentExpressionList::SectionName() const {
    return "Recent " + ServerName_ + " Filter Expressions";
}

void TRecentExpressionList::AddExpression(const std::string& expression, const std::string& description) {
    if (expression.empty()) {
        return;
    }
    Entries_.push_back({expression, description, false});
    if (Count() > MaxEntries) {
        Delete(Count() - 1);
    }
}

const TRecentExpression* TRecentExpressionList::GetExpressionEntry(int index) const {
    return index >= 0 && index < Count() ? &Entries_[index] : nullptr;
}

void TRecentExpressionList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex || !GetExpressionEntry(curIndex) || !GetExpressionEntry(newIndex)) {
        return;
    }
    TRecentExpression moved = std::move(Entries_[curIndex]);
    Entries_.erase(Entries_.begin() + curIndex);
    Entries_.insert(Entries_.begin() + newIndex, std::move(moved));
    for (const auto& listener : Listeners) {
        listener(*this);
    }
}

void TRecentExpressionList::Delete(int index) {
    if (GetExpressionEntry(index)) {
        Entries_.erase(Entries_.begin() + index);
    }
}

void TRecentExpressionList::LoadFromFile(const std::string& fileName) {
    const platform::ProfileFile file(fileName);
    const std::string section = SectionName();
    if (platform::EqualIgnoringAsciiCase(file.Read(section, NewFileFormatKey, ""), "True")) {
        const int count =
            std::min(IntegerOr(file.Read(section, CountKey, "0"), 0), HighestExpressionNumber(file, section));
        for (int k = 1; k <= count; ++k) {
            const std::string number = std::to_string(k);
            AddExpression(DecodeExpression(file.Read(section, ExpressionKey + number, "")),
                          file.Read(section, DescriptionKey + number, ""));
        }
        return;
    }
    // The old format: non-empty lines gather into one expression, which an empty line ends.
    std::string expression;
    std::string text;
    platform::ReadWholeFile(fileName, text);
    for (const std::string& line : platform::SplitLines(text)) {
        if (!line.empty()) {
            expression += expression.empty() ? line : "\r\n" + line;
            continue;
        }
        AddExpression(expression, "");
        expression.clear();
    }
}

bool TRecentExpressionList::Save() const {
    const std::string section = SectionName();
    const std::string key = std::string(RegistryKey) + "\\" + section;
    bool saved = platform::RegistryEraseKey(key) && platform::RegistryWriteString(key, NewFileFormatKey, "True") &&
                 platform::RegistryWriteInteger(key, CountKey, Count());
    for (int k = FirstExpressionIndex(); saved && k < Count(); ++k) {
        const std::string number = std::to_string(k);
        saved = platform::RegistryWriteString(key, ExpressionKey + number, EncodeExpression(Entries_[k].Expression)) &&
                platform::RegistryWriteString(key, DescriptionKey + number, Entries_[k].Description);
    }

    platform::ProfileFile file(UserFileName());
    file.EraseSection(section);
    bool written =
        file.Write(section, NewFileFormatKey, "True") && file.Write(section, CountKey, std::to_string(Count()));
    for (int k = FirstExpressionIndex(); written && k < Count(); ++k) {
        const std::string number = std::to_string(k);
        written = file.Write(section, ExpressionKey + number, EncodeExpression(Entries_[k].Expression)) &&
                  file.Write(section, DescriptionKey + number, Entries_[k].Description);
    }
    return saved && written && file.Save();
}

} // namespace hostkit
