#include "hostkit/Rt_Param.h"
#include "hostkit/HostText.h"
#include "platform/AsciiText.h"

#include <cstring>

namespace hostkit {

namespace {

// Collects one entry while a text is parsed.
class TEntryCollector {
public:
    explicit TEntryCollector(TParameterList& list) : List_(list) {}

    void Add(char c) {
        if (InValue_) {
            if (Value_.size() < ParameterValueLimit) {
                Value_ += c;
            }
        } else if (c == '=') {
            InValue_ = true;
        } else if (Name_.size() < ParameterNameLimit) {
            Name_ += c;
        }
    }

    // Ends the entry: one that reached its "=" joins the list.
    void Finish() {
        if (InValue_) {
            List_.AddParameter(Name_, Value_);
        }
        Name_.clear();
        Value_.clear();
        InValue_ = false;
    }

private:
    TParameterList& List_;
    std::string Name_;
    std::string Value_;
    bool InValue_ = false;
};

// The process-wide list and the copy of the text it was parsed from.
struct TParameterCache {
    TParameterList List;
    std::string Text;
};

TParameterCache& Cache() {
    static TParameterCache cache;
    return cache;
}

} // namespace

void TParameterList::Parse(const char* text) {
    ClearParameters();
    TEntryCollector collector(*this);
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p == '|') {
            collector.Finish();
        } else {
            collector.Add(*p);
        }
    }
    collector.Finish();
}

const TParameter* TParameterList::Find(std::string_view name) const {
    const std::string_view wanted = platform::TrimBlanks(name);
    for (const TParameter& entry : Entries_) {
        if (platform::EqualIgnoringAsciiCase(entry.Name, wanted)) {
            return &entry;
        }
    }
    return nullptr;
}

void TParameterList::AddParameter(std::string_view name, std::string_view value) {
    const std::string_view trimmed = platform::TrimBlanks(name);
    if (!trimmed.empty()) {
        Entries_.push_back({std::string(trimmed), std::string(value)});
    }
}

bool GetParameterValue(const char* text, std::string_view name, std::string& value) {
    value.clear();
    if (text == nullptr || *text == '\0') {
        return false;
    }
    // Only the part that fits the 64,000-byte cache is looked at, so an overlong text cannot overrun it.
    const std::string_view held(text, strnlen(text, ParameterTextLimit));
    TParameterCache& cache = Cache();
    if (held != cache.Text) {
        cache.Text.assign(held);
        cache.List.Parse(cache.Text.c_str());
    }
    const TParameter* entry = cache.List.Find(name);
    if (entry == nullptr) {
        return false;
    }
    value = platform::TrimBlanks(CutText(entry->Value, ParameterReadLimit));
    return true;
}

} // namespace hostkit
