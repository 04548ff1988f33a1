// A clean schematic server for each test, with the example sheets and the shipped library at hand.
#pragma once

#include <filesystem>

#include <gtest/gtest.h>

#include "hostsim/plexa/DocumentStore.h"

namespace hostsim::test {

inline std::filesystem::path sourceDir() {
    return TESSELLON_SOURCE_DIR;
}

inline std::filesystem::path example(const char* name) {
    return sourceDir() / "data" / "examples" / name;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { store().reset(); }
    void TearDown() override { store().reset(); }

    static DocumentStore& store() { return DocumentStore::instance(); }

    Document& openCurrent(const std::filesystem::path& file) {
        Document& document = store().open(file);
        store().setCurrent(&document);
        return document;
    }

    // The first top-level object of the kind whose designator (parts) or text is `name`.
    static SheetObject& find(const Document& document, Kind kind, const std::string& name = "") {
        for (const auto& object : document.objects()) {
            const std::string& label = object->part ? object->part->designator->text : object->text;
            if (object->kind == kind && (name.empty() || label == name))
                return *object;
        }
        throw std::runtime_error("no such object: " + name);
    }
};

} // namespace hostsim::test
