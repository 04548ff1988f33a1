#include "platform/MessageQueue.h"
#include "platform/Screen.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetScreen();
        Editor = CreateStandInWindow(Rect{0, 0, 10, 10});
        Other = CreateStandInWindow(Rect{0, 0, 10, 10});
    }
    void TearDown() override { ResetScreen(); }

    WindowHandle Editor = 0;
    WindowHandle Other = 0;
};

TEST_F(MessageQueueTest, PeeksPerWindowInPostingOrderWithAndWithoutRemoval) {
    ASSERT_TRUE(PostWindowMessage(Other, UserMessage, 1, 2));
    ASSERT_TRUE(PostKeyPress(Editor, 'A'));
    ASSERT_TRUE(PostKeyPress(Editor, EscapeKey));

    // Looking without removal leaves the message for the next look.
    EXPECT_EQ(PeekWindowMessage(Editor, false)->WParam, 'A');
    EXPECT_EQ(PeekWindowMessage(Editor, true)->WParam, 'A');
    const auto escape = PeekWindowMessage(Editor, true);
    ASSERT_TRUE(escape);
    EXPECT_TRUE(IsEscapeKeyDown(*escape));
    EXPECT_FALSE(PeekWindowMessage(Editor, true));

    // Window 0 looks at every window of the thread.
    EXPECT_EQ(PeekWindowMessage(0, false), (WindowMessage{Other, UserMessage, 1, 2}));
}

TEST_F(MessageQueueTest, OnlyAKeyDownOfEscapeIsEscape) {
    EXPECT_TRUE(IsEscapeKeyDown({Editor, KeyDownMessage, EscapeKey, 0}));
    EXPECT_FALSE(IsEscapeKeyDown({Editor, KeyDownMessage, 'Q', 0}));
    EXPECT_FALSE(IsEscapeKeyDown({Editor, UserMessage, EscapeKey, 0}));
}

TEST_F(MessageQueueTest, AWindowThatDoesNotExistHasNoQueue) {
    EXPECT_FALSE(PostWindowMessage(0xDEAD, UserMessage, 0, 0));
    ASSERT_TRUE(PostKeyPress(Editor, EscapeKey));
    DestroyStandInWindow(Editor);
    EXPECT_FALSE(PeekWindowMessage(0, false)) << "a destroyed window's messages go with it";
}

} // namespace
} // namespace platform
