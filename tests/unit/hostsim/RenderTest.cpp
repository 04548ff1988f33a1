// Pictures of sheets: the selection and routes are shown, and texts cannot break the picture.
#include <gtest/gtest.h>

#include "hostsim/render/SheetRenderer.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class RenderTest : public StoreTest {};

TEST_F(RenderTest, SelectionAndRoutesAreShown) {
    Document& amplifier = openCurrent(example("amplifier.sch"));
    const std::string plain = renderSheet(amplifier);
    EXPECT_EQ(0u, count(plain, "stroke-dasharray=\"3,2\"")) << "nothing selected yet";
    EXPECT_NE(std::string::npos, plain.find(">U1</text>"));
    EXPECT_NE(std::string::npos, plain.find(">Small amplifier</text>"));

    EXPECT_GE(amplifier.selectInside({300, 440, 500, 600}), 3u);
    const std::string selected = renderSheet(amplifier);
    size_t selections = 0;
    for (const auto& object : amplifier.objects())
        selections += object->selection;
    EXPECT_EQ(selections, count(selected, "stroke-dasharray=\"3,2\""));

    const SheetObject& wire = find(amplifier, Kind::Wire);
    const std::string routed = renderSheet(amplifier, {{wire.handle}, 4000});
    EXPECT_EQ(count(selected, "#ff6600") + 1, count(routed, "#ff6600"));
}

TEST_F(RenderTest, TextsAreEscaped) {
    Document& document = store().create("escape.sch");
    auto label = makeObject(Kind::NetLabel);
    label->text = "<a & \"b\">\x01";
    document.add(std::move(label));
    const std::string picture = renderSheet(document);
    EXPECT_NE(std::string::npos, picture.find("&lt;a &amp; &quot;b&quot;&gt; <"));
    EXPECT_EQ(std::string::npos, picture.find("<a &"));
}

} // namespace
} // namespace hostsim::test
