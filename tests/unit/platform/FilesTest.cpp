#include "platform/Files.h"
#include "platform/TempFiles.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace platform {
namespace {

using tessellon::testing::ScratchFolder;

TEST(CreateTempFile, MakesUniqueEmptyFilesWithThePrefix) {
    ScratchFolder folder;
    std::set<std::string> names;
    for (int i = 0; i < 20; ++i) {
        const std::string path = CreateTempFile(folder.Path(), "Template");
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path.rfind(folder.File("Tem"), 0), 0u) << path;
        EXPECT_TRUE(path.ends_with(".tmp")) << path;
        EXPECT_EQ(std::filesystem::file_size(path), 0u);
        names.insert(path);
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(CreateTempFile(folder.File("missing"), "T"), "");
    EXPECT_TRUE(FolderExists(TempFolder()));
}

TEST(WriteFileReplacing, ReplacesWholeOrNotAtAll) {
    ScratchFolder folder;
    const std::string path = folder.Write("a.txt", "old");
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(folder.Read("a.txt"), "new");

    SimulateFullDisk(true);
    EXPECT_FALSE(WriteFileReplacing(path, "lost"));
    SimulateFullDisk(false);
    EXPECT_EQ(folder.Read("a.txt"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no temporary left";

    // A folder in the file's place cannot be replaced: the write fails and the folder stays.
    std::filesystem::create_directory(folder.File("dir"));
    EXPECT_FALSE(WriteFileReplacing(folder.File("dir"), "x"));
    EXPECT_TRUE(FolderExists(folder.File("dir")));
}

TEST(CreateFolder, MakesOneLevel) {
    ScratchFolder folder;
    EXPECT_TRUE(CreateFolder(folder.File("one")));
    EXPECT_TRUE(CreateFolder(folder.File("one")));
    EXPECT_FALSE(CreateFolder(folder.File("two/three")));
}

} // namespace
} // namespace platform
