#include "hostsim/plexa/LibraryFile.h"

#include "hostsim/plexa/ObjectCodec.h"

namespace hostsim {

namespace {

constexpr const char* LibraryFormat = "tessellon-library";
constexpr int LibraryVersion = 1;

using L = LibraryComponent;
constexpr Field<L> ComponentTable[] = {
    {"libReference", &L::libReference}, {"description", &L::description}, {"designatorPrefix", &L::designatorPrefix},
    {"footprint", &L::footprint},       {"partType", &L::partType},
};

void checkFormat(const Json& json, const std::string& place, const char* format, int version) {
    if (const auto it = json.find("format"); it != json.end() && readText(*it, childPlace(place, "format")) != format)
        throw FormatError(childPlace(place, "format"), std::string("expected \"") + format + "\"");
    if (const auto it = json.find("version");
        it != json.end() && readInt32(*it, childPlace(place, "version")) != version)
        throw FormatError(childPlace(place, "version"), "this host reads version " + std::to_string(version));
}

std::unique_ptr<LibraryPart> readPart(const Json& json, const std::string& place) {
    auto part = std::make_unique<LibraryPart>();
    for (const auto& [key, value] : requireObject(json, place).items()) {
        const std::string at = childPlace(place, key);
        if (key == "partId") {
            part->partId = readInt32(value, at);
            if (part->partId < 1)
                throw FormatError(at, "part ids start at 1");
        } else if (key == "displayMode") {
            part->displayMode = readByte(value, at);
        } else if (key == "items") {
            const Json& items = requireArray(value, at);
            for (size_t i = 0; i < items.size(); ++i)
                part->items.push_back(readObject(items[i], childPlace(at, i), ObjectContext::Library));
        } else {
            throw FormatError(at, "unknown field \"" + key + "\" of a library part");
        }
    }
    return part;
}

std::unique_ptr<LibraryComponent> readComponent(const Json& json, const std::string& place) {
    auto component = std::make_unique<LibraryComponent>();
    for (const auto& [key, value] : requireObject(json, place).items()) {
        const std::string at = childPlace(place, key);
        if (key != "parts") {
            if (!readField<L>(ComponentTable, *component, key, value, at))
                throw FormatError(at, "unknown field \"" + key + "\" of a library component");
            continue;
        }
        const Json& parts = requireArray(value, at);
        for (size_t i = 0; i < parts.size(); ++i) {
            auto part = readPart(parts[i], childPlace(at, i));
            if (component->findPart(part->partId, part->displayMode))
                throw FormatError(childPlace(at, i), "part " + std::to_string(part->partId) + " in display mode " +
                                                         std::to_string(part->displayMode) + " is there twice");
            component->parts.push_back(std::move(part));
        }
    }
    if (component->libReference.empty())
        throw FormatError(place, "a library component needs a \"libReference\"");
    return component;
}

} // namespace

PartLibrary readLibrary(const Json& json, const std::string& place) {
    requireObject(json, place);
    checkFormat(json, place, LibraryFormat, LibraryVersion);
    PartLibrary library;
    for (const auto& [key, value] : json.items()) {
        const std::string at = childPlace(place, key);
        if (key == "format" || key == "version")
            continue;
        if (key != "components")
            throw FormatError(at, "unknown field \"" + key + "\" of a library");
        const Json& components = requireArray(value, at);
        for (size_t i = 0; i < components.size(); ++i) {
            auto component = readComponent(components[i], childPlace(at, i));
            if (library.find(component->libReference))
                throw FormatError(childPlace(at, i),
                                  "library reference \"" + component->libReference + "\" is there twice");
            library.components.push_back(std::move(component));
        }
    }
    return library;
}

Json writeLibrary(const PartLibrary& library) {
    static const LibraryComponent defaults;
    static const PartLibrary noLibrary;
    Json components = Json::array();
    for (const auto& component : library.components) {
        Json out = Json::object();
        writeFields<L>(ComponentTable, *component, defaults, out);
        Json parts = Json::array();
        for (const auto& part : component->parts) {
            Json items = Json::array();
            for (const auto& item : part->items)
                items.push_back(writeObject(*item, noLibrary));
            parts.push_back(Json{{"partId", part->partId}, {"displayMode", part->displayMode}, {"items", items}});
        }
        out["parts"] = parts;
        components.push_back(out);
    }
    return Json{{"format", LibraryFormat}, {"version", LibraryVersion}, {"components", components}};
}

PartLibrary readLibraryFile(const std::filesystem::path& file) {
    const Json json = readJsonFile(file);
    try {
        return readLibrary(json, "");
    } catch (const FormatError& fault) {
        throw SheetError(describeFault(file, fault));
    }
}

void writeLibraryFile(const PartLibrary& library, const std::filesystem::path& file) {
    // Components, parts and their item lists on lines of their own; each item on one line.
    writeTextFile(file, layoutJson(writeLibrary(library), 6));
}

} // namespace hostsim
