// Profile (INI) files with the semantics of the system's profile functions.
//
// Format: "[Section]" lines, then "Key=Value" lines; lines starting with ';' and any other line are kept as they
// are. Section and key names are compared ignoring ASCII case; the first occurrence wins. Reading trims blanks
// around names and values and removes one pair of matching quotes around a value. Writing changes only the one
// key (or the one section) concerned; every other section, key, comment and blank line stays as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// A profile file held in memory: load once, change several keys, save once.
class ProfileFile {
public:
    // Reads Path when it exists; a missing file starts empty. A file that exists but cannot be read also reads as
    // empty, and Save then refuses to overwrite it.
    explicit ProfileFile(std::string path);

    const std::string& Path() const { return Path_; }

    // The value of Key in Section, or nullopt when the section or key is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // The value of Key in Section, or Default when the section or key is missing.
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const {
        return Value(section, key).value_or(defaultValue);
    }

    // Sets Key in Section, adding the section and key when missing. False (nothing changed) for names or values the
    // format cannot hold: an empty key, a key with '=', a section with ']', or any line break.
    bool Write(const std::string& section, const std::string& key, const std::string& value);

    // Removes a key; nothing happens when it is missing.
    void DeleteKey(const std::string& section, const std::string& key);

    // Removes the section with all its lines; nothing happens when it is missing.
    void EraseSection(const std::string& section);

    bool HasSection(const std::string& section) const;

    // The key names of Section in file order (first occurrences only).
    std::vector<std::string> Keys(const std::string& section) const;

    // Every section name in file order.
    std::vector<std::string> Sections() const;

    // The file's text as Save writes it.
    std::string Text() const;

    // Writes the file (temporary name, then replace); false on failure, the previous file then stays intact.
    bool Save() const;

private:
    std::optional<std::size_t> FindSection(const std::string& section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(const std::string& section, const std::string& key) const;

    std::string Path_;
    std::vector<std::string> Lines_; // without line ends
    bool CrLf_ = true;               // the file's own line end; new files get the system's (CR LF)
    bool Unreadable_ = false;
};

// One-call forms of the profile functions: each reads the file afresh; the writers save at once.
std::string ReadProfileString(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& defaultValue);
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);
// True when the section is gone afterwards (also when the file or section never existed).
bool EraseProfileSection(const std::string& path, const std::string& section);

} // namespace platform
