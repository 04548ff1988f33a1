#include "platform/Xml.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(EscapeXml, WritesMarkupAsEntitiesAndControlsAsBlanks) {
    EXPECT_EQ(EscapeXml("Save & <exit> \"now\""), "Save &amp; &lt;exit&gt; &quot;now&quot;");
    EXPECT_EQ(EscapeXml("a\tb\r\nc\x01"), "a b  c ");
    EXPECT_EQ(EscapeXml("R1 'x' \xC4"), "R1 'x' \xC4");
}

} // namespace
} // namespace platform
