#include "hostsim/plexa/SheetFile.h"

#include "hostsim/plexa/LibraryFile.h"
#include "hostsim/plexa/ObjectCodec.h"
#include "hostsim/plexa/SheetFields.h"

namespace hostsim {

namespace {

constexpr const char* SheetFormat = "tessellon-sheet";
constexpr int SheetVersion = 1;

void readLibraryOf(const Json& value, const std::filesystem::path& sheetFile, Document& document) {
    if (!value.is_string()) {
        document.setLibrary(readLibrary(value, "/library"), "");
        return;
    }
    const std::string name = value.get<std::string>();
    const std::filesystem::path libraryPath = sheetFile.parent_path() / name;
    try {
        document.setLibrary(readLibraryFile(libraryPath), name);
    } catch (const SheetError& error) {
        throw FormatError("/library", std::string("the library cannot be read: ") + error.what());
    }
}

void readContent(const Json& json, const std::filesystem::path& file, Document& document) {
    requireObject(json, "");
    if (const auto it = json.find("format"); it != json.end() && readText(*it, "/format") != SheetFormat)
        throw FormatError("/format", std::string("expected \"") + SheetFormat + "\"");
    if (const auto it = json.find("version"); it != json.end() && readInt32(*it, "/version") != SheetVersion)
        throw FormatError("/version", "this host reads version " + std::to_string(SheetVersion));
    for (const auto& [key, value] : json.items()) {
        if (key != "format" && key != "version" && key != "library" && key != "options" && key != "objects")
            throw FormatError("/" + key, "unknown field \"" + key + "\" of a sheet");
    }
    if (const auto it = json.find("library"); it != json.end())
        readLibraryOf(*it, file, document);
    if (const auto it = json.find("options"); it != json.end())
        readFields(optionsFields(), document.options(), *it, "/options");
    const auto objects = json.find("objects");
    if (objects == json.end())
        throw FormatError("", "a sheet needs an \"objects\" list");
    requireArray(*objects, "/objects");
    for (size_t i = 0; i < objects->size(); ++i)
        document.add(readObject((*objects)[i], childPlace("/objects", i), ObjectContext::Sheet));
}

// The library file as a sheet written to File must name it: the reference the document was read with is relative to
// the document's own folder, so a sheet written to another folder names the same library from there.
std::string libraryReferenceFrom(const Document& document, const std::filesystem::path& file) {
    const std::filesystem::path reference(document.libraryFile());
    if (reference.is_absolute())
        return reference.generic_string();
    std::error_code error;
    const auto folderOf = [&error](const std::filesystem::path& sheet) {
        return std::filesystem::absolute(sheet, error).lexically_normal().parent_path();
    };
    const std::filesystem::path library = (folderOf(document.fileName()) / reference).lexically_normal();
    const std::filesystem::path relative = library.lexically_relative(folderOf(file));
    return (relative.empty() ? library : relative).generic_string();
}

} // namespace

std::unique_ptr<Document> readSheet(const std::filesystem::path& file) {
    const Json json = readJsonFile(file);
    auto document = std::make_unique<Document>(file);
    try {
        readContent(json, file, *document);
    } catch (const FormatError& fault) {
        throw SheetError(describeFault(file, fault));
    }
    return document;
}

void writeSheet(const Document& document, const std::filesystem::path& file) {
    Json json = Json::object();
    json["format"] = SheetFormat;
    json["version"] = SheetVersion;
    if (!document.libraryFile().empty())
        json["library"] = libraryReferenceFrom(document, file);
    else if (!document.library().components.empty())
        json["library"] = writeLibrary(document.library());
    static const DocumentOptions defaults;
    Json options = Json::object();
    writeFields(optionsFields(), document.options(), defaults, options);
    json["options"] = options;
    Json objects = Json::array();
    for (const auto& object : document.objects())
        objects.push_back(writeObject(*object, document.library()));
    json["objects"] = objects;
    // One object per line; the options and an inline library laid out member by member.
    writeTextFile(file, layoutJson(json, 2));
}

} // namespace hostsim
