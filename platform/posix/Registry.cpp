// The registry stand-in: one profile file, one section per key (its full path), one entry per value, written as
// "sz:" and the escaped text or "dword:" and the decimal number, in quotes.
#include "platform/Registry.h"
#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Profile.h"

#include <charconv>

namespace platform {

namespace {

constexpr std::string_view StringTag = "sz:";
constexpr std::string_view IntegerTag = "dword:";

std::string StorePath() {
    return JoinPath(PerUserDataFolder(), "Registry.ini");
}

std::string NormalKey(const std::string& key) {
    std::string_view k = key;
    while (!k.empty() && k.front() == '\\') {
        k.remove_prefix(1);
    }
    while (!k.empty() && k.back() == '\\') {
        k.remove_suffix(1);
    }
    return std::string(k);
}

// Keeps a value on one line of the store.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

bool IsSubkeyOf(const std::string& section, const std::string& key) {
    return section.size() > key.size() && section[key.size()] == '\\' &&
           EqualIgnoringAsciiCase(std::string_view(section).substr(0, key.size()), key);
}

// The raw entry of a value; nullopt when missing.
std::optional<std::string> ReadEntry(const std::string& key, const std::string& name) {
    return ProfileFile(StorePath()).Value(NormalKey(key), name);
}

bool WriteEntry(const std::string& key, const std::string& name, const std::string& entry) {
    const std::string normal = NormalKey(key);
    if (normal.empty() || !CreateFolder(PerUserDataFolder())) {
        return false;
    }
    ProfileFile store(StorePath());
    // Quoted, so that blanks at either end of a text survive the profile reader's trimming.
    return store.Write(normal, name, '"' + entry + '"') && store.Save();
}

} // namespace

bool RegistryWriteString(const std::string& key, const std::string& name, const std::string& value) {
    return WriteEntry(key, name, std::string(StringTag) + Escape(value));
}

bool RegistryWriteInteger(const std::string& key, const std::string& name, std::int32_t value) {
    return WriteEntry(key, name, std::string(IntegerTag) + std::to_string(value));
}

std::optional<std::string> RegistryReadString(const std::string& key, const std::string& name) {
    const auto entry = ReadEntry(key, name);
    if (!entry || !entry->starts_with(StringTag)) {
        return std::nullopt;
    }
    return Unescape(std::string_view(*entry).substr(StringTag.size()));
}

std::optional<std::int32_t> RegistryReadInteger(const std::string& key, const std::string& name) {
    const auto entry = ReadEntry(key, name);
    if (!entry || !entry->starts_with(IntegerTag)) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    const char* first = entry->data() + IntegerTag.size();
    const char* last = entry->data() + entry->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> RegistryValueNames(const std::string& key) {
    return ProfileFile(StorePath()).Keys(NormalKey(key));
}

bool RegistryKeyExists(const std::string& key) {
    const std::string normal = NormalKey(key);
    for (const std::string& section : ProfileFile(StorePath()).Sections()) {
        if (EqualIgnoringAsciiCase(section, normal) || IsSubkeyOf(section, normal)) {
            return true;
        }
    }
    return false;
}

bool RegistryEraseKey(const std::string& key) {
    const std::string normal = NormalKey(key);
    ProfileFile store(StorePath());
    bool changed = false;
    for (const std::string& section : store.Sections()) {
        if (EqualIgnoringAsciiCase(section, normal) || IsSubkeyOf(section, normal)) {
            store.EraseSection(section);
            changed = true;
        }
    }
    return !changed || store.Save();
}

} // namespace platform
