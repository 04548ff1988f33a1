#include "platform/Registry.h"
#include "platform/Folders.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using tessellon::testing::ScratchFolder;

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { SetUserDataFolderOverride(UserData.Path()); }
    void TearDown() override { SetUserDataFolderOverride(""); }

    ScratchFolder UserData;
    const std::string Key = "Software\\Korvane\\Tessellon\\Recent Snapscribe Filter Expressions";
};

TEST_F(RegistryStore, KeepsStringsAndIntegersApartUnderTheUserDataFolder) {
    const std::string awkward = "  a|b \\ c\r\nsecond line \"quoted\"  ";
    ASSERT_TRUE(RegistryWriteString(Key, "RecentExpression1", awkward));
    ASSERT_TRUE(RegistryWriteInteger(Key, "RecentExpressionCount", -7));

    EXPECT_EQ(RegistryReadString(Key, "recentexpression1"), awkward);
    EXPECT_EQ(RegistryReadInteger(Key, "RecentExpressionCount"), -7);
    EXPECT_EQ(RegistryReadInteger(Key, "RecentExpression1"), std::nullopt);
    EXPECT_EQ(RegistryReadString(Key, "RecentExpressionCount"), std::nullopt);
    EXPECT_EQ(RegistryReadString(Key, "Missing"), std::nullopt);
    EXPECT_EQ(RegistryValueNames(Key), (std::vector<std::string>{"RecentExpression1", "RecentExpressionCount"}));
    EXPECT_TRUE(std::filesystem::exists(UserData.File("Registry.ini")));
}

TEST_F(RegistryStore, ErasingAKeyTakesItsSubkeysButNotItsSiblings) {
    ASSERT_TRUE(RegistryWriteString("Software\\A", "v", "1"));
    ASSERT_TRUE(RegistryWriteString("Software\\A\\Sub", "v", "2"));
    ASSERT_TRUE(RegistryWriteString("Software\\AB", "v", "3"));
    EXPECT_TRUE(RegistryKeyExists("Software"));

    ASSERT_TRUE(RegistryEraseKey("software\\a"));
    EXPECT_FALSE(RegistryKeyExists("Software\\A"));
    EXPECT_FALSE(RegistryKeyExists("Software\\A\\Sub"));
    EXPECT_EQ(RegistryReadString("Software\\AB", "v"), "3");
    EXPECT_TRUE(RegistryEraseKey("Software\\Never"));
}

} // namespace
} // namespace platform
