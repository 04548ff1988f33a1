#include "platform/Profile.h"
#include "platform/AsciiText.h"
#include "platform/Files.h"

namespace platform {

namespace {

// The section name of a "[Name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view Key;
    std::string_view Value;
};

// The key and raw value of a "Key=Value" line; comments and section lines hold none.
std::optional<KeyLine> KeyOf(std::string_view line) {
    const std::string_view trimmed = TrimBlanksLeft(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
    if (key.empty()) {
        return std::nullopt;
    }
    return KeyLine{key, trimmed.substr(equals + 1)};
}

// A value as the profile functions answer it: trimmed, one pair of matching quotes removed.
std::string ReadValue(std::string_view raw) {
    std::string_view value = TrimBlanks(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

ProfileFile::ProfileFile(std::string path) : Path_(std::move(path)) {
    std::string text;
    if (!ReadWholeFile(Path_, text)) {
        Unreadable_ = FileExistsOnDisk(Path_);
        return;
    }
    const auto firstBreak = text.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r')) {
        CrLf_ = false;
    }
    Lines_ = SplitLines(text);
}

std::optional<std::size_t> ProfileFile::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < Lines_.size(); ++i) {
        const auto name = SectionOf(Lines_[i]);
        if (name && EqualIgnoringAsciiCase(*name, TrimBlanks(section))) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < Lines_.size() && !SectionOf(Lines_[i])) {
        ++i;
    }
    return i;
}

std::optional<std::size_t> ProfileFile::FindKey(const std::string& section, const std::string& key) const {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto line = KeyOf(Lines_[i]);
        if (line && EqualIgnoringAsciiCase(line->Key, TrimBlanks(key))) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Value(const std::string& section, const std::string& key) const {
    const auto found = FindKey(section, key);
    if (!found) {
        return std::nullopt;
    }
    return ReadValue(KeyOf(Lines_[*found])->Value);
}

bool ProfileFile::Write(const std::string& section, const std::string& key, const std::string& value) {
    const std::string_view name = TrimBlanks(key);
    if (name.empty() || name.find('=') != std::string_view::npos || name.front() == ';' || name.front() == '[' ||
        section.find(']') != std::string::npos || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        return false;
    }
    std::string line = std::string(name) + "=" + value;
    if (const auto existing = FindKey(section, key)) {
        Lines_[*existing] = std::move(line);
        return true;
    }
    if (const auto header = FindSection(section)) {
        // After the section's last non-blank line, so blank lines keep separating it from the next section.
        std::size_t at = SectionEnd(*header);
        while (at > *header + 1 && TrimBlanks(Lines_[at - 1]).empty()) {
            --at;
        }
        Lines_.insert(Lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
        return true;
    }
    std::string header = "[";
    header.append(TrimBlanks(section)).append("]");
    Lines_.push_back(std::move(header));
    Lines_.push_back(std::move(line));
    return true;
}

void ProfileFile::DeleteKey(const std::string& section, const std::string& key) {
    if (const auto found = FindKey(section, key)) {
        Lines_.erase(Lines_.begin() + static_cast<std::ptrdiff_t>(*found));
    }
}

void ProfileFile::EraseSection(const std::string& section) {
    while (const auto header = FindSection(section)) {
        Lines_.erase(Lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                     Lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
    }
}

bool ProfileFile::HasSection(const std::string& section) const {
    return FindSection(section).has_value();
}

std::vector<std::string> ProfileFile::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    const auto header = FindSection(section);
    if (!header) {
        return keys;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto line = KeyOf(Lines_[i]);
        if (line && FindKey(section, std::string(line->Key)) == i) {
            keys.emplace_back(line->Key);
        }
    }
    return keys;
}

std::vector<std::string> ProfileFile::Sections() const {
    std::vector<std::string> sections;
    for (std::size_t i = 0; i < Lines_.size(); ++i) {
        const auto name = SectionOf(Lines_[i]);
        if (name && FindSection(std::string(*name)) == i) {
            sections.emplace_back(*name);
        }
    }
    return sections;
}

std::string ProfileFile::Text() const {
    std::string text;
    for (const std::string& line : Lines_) {
        text += line;
        text += CrLf_ ? "\r\n" : "\n";
    }
    return text;
}

bool ProfileFile::Save() const {
    return !Unreadable_ && WriteFileReplacing(Path_, Text());
}

std::string ReadProfileString(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    return ProfileFile(path).Read(section, key, defaultValue);
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    ProfileFile file(path);
    return file.Write(section, key, value) && file.Save();
}

bool EraseProfileSection(const std::string& path, const std::string& section) {
    ProfileFile file(path);
    if (!file.HasSection(section)) {
        return true;
    }
    file.EraseSection(section);
    return file.Save();
}

} // namespace platform
