#include "hostsim/render/SheetRenderer.h"

#include <algorithm>
#include <string>
#include <utility>

#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/render/ObjectPainter.h"

namespace hostsim {

namespace {

constexpr int32_t RouteColor = 0x0066FF;     // orange
constexpr int32_t SelectionColor = 0xE0A000; // blue
constexpr int32_t LabelColor = 0x606060;
constexpr int32_t FrameMargin = 10;

Rect pictureArea(const Document& document) {
    Rect area = document.options().sheet();
    for (const auto& object : document.objects())
        area = area.united(boundsOf(*object));
    return {saturate(int64_t{area.left} - FrameMargin), saturate(int64_t{area.bottom} - FrameMargin),
            saturate(int64_t{area.right} + FrameMargin), saturate(int64_t{area.top} + FrameMargin)};
}

void paintFrame(SvgWriter& svg, const DocumentOptions& options) {
    const Rect sheet = options.sheet();
    svg.rect(sheet, Pen{options.borderColor, 1.0, options.sheetColor});
    if (!options.showBorder)
        return;
    const int32_t margin = std::clamp(options.marginWidth, 0, std::min(options.sheetWidth, options.sheetHeight) / 2);
    const Rect inner{margin, margin, options.sheetWidth - margin, options.sheetHeight - margin};
    svg.rect(inner, Pen{options.borderColor, 1.0});
    if (!options.showReferenceZones || options.xZones < 1 || options.yZones < 1 || margin < 8)
        return;
    const int32_t columns = std::min(options.xZones, 64), rows = std::min(options.yZones, 26);
    for (int32_t i = 0; i < columns; ++i) {
        const int32_t left = static_cast<int32_t>(inner.left + inner.width() * i / columns);
        const int32_t right = static_cast<int32_t>(inner.left + inner.width() * (i + 1) / columns);
        if (i > 0) {
            svg.line({left, 0}, {left, margin}, Pen{options.borderColor, 0.6});
            svg.line({left, options.sheetHeight - margin}, {left, options.sheetHeight}, Pen{options.borderColor, 0.6});
        }
        const std::string label = std::to_string(i + 1);
        svg.text({(left + right) / 2 - 3, margin / 2 - 4}, label, 0, options.borderColor, 8);
        svg.text({(left + right) / 2 - 3, options.sheetHeight - margin / 2 - 4}, label, 0, options.borderColor, 8);
    }
    for (int32_t i = 0; i < rows; ++i) {
        const int32_t top = static_cast<int32_t>(inner.top - inner.height() * i / rows);
        const int32_t bottom = static_cast<int32_t>(inner.top - inner.height() * (i + 1) / rows);
        if (i > 0) {
            svg.line({0, top}, {margin, top}, Pen{options.borderColor, 0.6});
            svg.line({options.sheetWidth - margin, top}, {options.sheetWidth, top}, Pen{options.borderColor, 0.6});
        }
        const std::string label(1, static_cast<char>('A' + i));
        svg.text({margin / 2 - 3, (top + bottom) / 2 - 4}, label, 0, options.borderColor, 8);
        svg.text({options.sheetWidth - margin / 2 - 3, (top + bottom) / 2 - 4}, label, 0, options.borderColor, 8);
    }
}

void paintTitleBlock(SvgWriter& svg, const Document& document) {
    const DocumentOptions& options = document.options();
    const auto block = options.titleBlock();
    if (!block)
        return;
    using Cell = std::pair<std::string, std::string>;
    std::vector<std::vector<Cell>> rows{
        {{"Title", options.title}},
        {{"Number", options.documentNumber}, {"Revision", options.revision}},
        {{"Date", options.date},
         {"Sheet", std::to_string(options.sheetNumber) + " of " + std::to_string(options.sheetTotal)},
         {"Drawn by", options.drawnBy}},
    };
    if (block->height() > 120) {
        rows.push_back({{"Organization", options.organization}, {"Address", options.address}});
        rows.push_back({{"Checked by", options.checkedBy}, {"File", document.fileName().filename().string()}});
    }
    const Pen pen{options.borderColor, 1.0, options.sheetColor};
    svg.rect(*block, pen);
    const auto rowHeight = static_cast<int32_t>(block->height() / static_cast<int64_t>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) {
        const int32_t top = block->top - rowHeight * static_cast<int32_t>(r);
        const auto cellWidth = static_cast<int32_t>(block->width() / static_cast<int64_t>(rows[r].size()));
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const int32_t left = block->left + cellWidth * static_cast<int32_t>(c);
            svg.rect({left, top - rowHeight, left + cellWidth, top}, Pen{options.borderColor, 0.6});
            svg.text({left + 3, top - 9}, rows[r][c].first, 0, LabelColor, 7);
            svg.text({left + 8, top - rowHeight + 4}, rows[r][c].second, 0, options.borderColor, r == 0 ? 12 : 10);
        }
    }
}

void paintSelection(SvgWriter& svg, const SheetObject& object) {
    const Rect bounds = boundsOf(object);
    svg.rect(bounds, Pen{SelectionColor, 0.8, SelectionColor, "", 0.18});
    svg.rect({saturate(int64_t{bounds.left} - 2), saturate(int64_t{bounds.bottom} - 2),
              saturate(int64_t{bounds.right} + 2), saturate(int64_t{bounds.top} + 2)},
             Pen{SelectionColor, 0.8, -1, "3,2"});
}

} // namespace

std::string renderSheet(const Document& document, const RenderOptions& options) {
    SvgWriter svg(pictureArea(document), options.maxPixels);
    paintFrame(svg, document.options());
    paintTitleBlock(svg, document);
    for (const auto& object : document.objects()) {
        if (object->part)
            paintPart(svg, *object, document.library());
        else
            paintObject(svg, *object);
    }
    for (const auto& object : document.objects()) {
        if (object->selection)
            paintSelection(svg, *object);
    }
    for (const Handle route : options.routes) {
        const SheetObject* object = DocumentStore::instance().object(route);
        if (object && object->document == &document && !object->owner)
            paintObject(svg, *object, RouteColor);
    }
    return svg.finish();
}

} // namespace hostsim
