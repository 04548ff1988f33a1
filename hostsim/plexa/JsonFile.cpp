#include "hostsim/plexa/JsonFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace hostsim {

namespace {

std::string systemReason() {
    return errno ? std::strerror(errno) : "unknown error";
}

// Line and column (both from 1) of a byte offset.
std::pair<size_t, size_t> lineAndColumn(const std::string& text, size_t offset) {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

// nlohmann's message without its "[json.exception...] " prefix and its own position.
std::string parseReason(const std::string& what) {
    std::string reason = what;
    if (const auto bracket = reason.find("] "); bracket != std::string::npos)
        reason = reason.substr(bracket + 2);
    if (const auto colon = reason.find(": "); reason.rfind("parse error", 0) == 0 && colon != std::string::npos)
        reason = reason.substr(colon + 2);
    return reason;
}

void layout(const Json& value, int depth, int compactDepth, std::string& out) {
    const bool container = value.is_object() || value.is_array();
    if (!container || depth >= compactDepth || value.empty()) {
        out += value.dump();
        return;
    }
    const std::string indent(2 * (depth + 1), ' ');
    out += value.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (!first)
            out += ",\n";
        first = false;
        out += indent;
        if (value.is_object())
            out += Json(it.key()).dump() + ": ";
        layout(it.value(), depth + 1, compactDepth, out);
    }
    out += "\n" + std::string(2 * depth, ' ') + (value.is_object() ? "}" : "]");
}

} // namespace

std::string describeFault(const std::filesystem::path& file, const FormatError& fault) {
    return file.string() + ": " + (fault.place.empty() ? "/" : fault.place) + ": " + fault.what();
}

Json readJsonFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw SheetError(file.string() + ": cannot be opened: " + systemReason());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw SheetError(file.string() + ": cannot be read: " + systemReason());
    const std::string text = buffer.str();
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& error) {
        const auto [line, column] = lineAndColumn(text, error.byte ? error.byte - 1 : 0);
        throw SheetError(file.string() + ": line " + std::to_string(line) + ", column " + std::to_string(column) +
                         ": " + parseReason(error.what()));
    }
}

std::string layoutJson(const Json& value, int compactDepth) {
    std::string out;
    layout(value, 0, compactDepth, out);
    out += "\n";
    return out;
}

void writeTextFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::path temporary = file;
    temporary += ".writing";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw SheetError(file.string() + ": cannot be written: " + systemReason());
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw SheetError(file.string() + ": cannot be written: " + systemReason());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(temporary, error);
        throw SheetError(file.string() + ": cannot be written: " + reason);
    }
}

} // namespace hostsim
