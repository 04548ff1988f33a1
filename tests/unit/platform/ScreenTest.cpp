#include "platform/Screen.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class ScreenTest : public ::testing::Test {
protected:
    void TearDown() override { ResetScreen(); }

    const Monitor Left{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1040}};
    const Monitor Right{Rect{1920, -200, 3200, 824}, Rect{1920, -200, 3200, 824}};
};

TEST_F(ScreenTest, StartsWithOneFullHdMonitor) {
    ResetScreen();
    ASSERT_EQ(Monitors().size(), 1u);
    EXPECT_EQ(Monitors()[0].Bounds, (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(VirtualDesktop(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(ScreenWidth(), 1920);
    EXPECT_EQ(ScreenHeight(), 1080);
    EXPECT_EQ(ActiveWindow(), 0u);
}

TEST_F(ScreenTest, AWindowBelongsToTheMonitorHoldingMostOfIt) {
    SetMonitors({Left, Right});
    EXPECT_EQ(VirtualDesktop(), (Rect{0, -200, 3200, 1080}));
    EXPECT_EQ(ScreenWidth(), 1920) << "the screen is the primary monitor";

    const WindowHandle straddling = CreateStandInWindow(Rect{1800, 100, 2200, 300});
    EXPECT_EQ(MonitorOfWindow(straddling), Right);
    const WindowHandle offscreen = CreateStandInWindow(Rect{-500, -500, -100, -100});
    EXPECT_EQ(MonitorOfWindow(offscreen), std::nullopt);
    EXPECT_EQ(MonitorNearestWindow(offscreen), Left);
    EXPECT_EQ(MonitorOfWindow(0), std::nullopt);
}

TEST_F(ScreenTest, MovingAWindowKeepsItsSize) {
    const WindowHandle dialog = CreateStandInWindow(Rect{10, 20, 510, 337});
    SetActiveWindow(dialog);
    EXPECT_EQ(ActiveWindow(), dialog);
    ASSERT_TRUE(MoveWindowTo(dialog, 710, 381));
    EXPECT_EQ(WindowBounds(dialog), (Rect{710, 381, 1210, 698}));
    EXPECT_FALSE(MoveWindowTo(0xDEAD, 0, 0));
    DestroyStandInWindow(dialog);
    EXPECT_EQ(ActiveWindow(), 0u);
    EXPECT_EQ(WindowBounds(dialog), std::nullopt);
}

} // namespace
} // namespace platform
