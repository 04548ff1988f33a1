// The options of one schematic document: the sheet, its grids and its title block. All 33 values that the
// document-options query exchanges are kept, in the order of that query.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hostsim/plexa/Geometry.h"

namespace hostsim {

struct DocumentOptions {
    uint8_t portrait = 0;
    uint8_t styledTitleBlock = 0;
    uint8_t showReferenceZones = 1;
    uint8_t showBorder = 1;
    uint8_t titleBlockStyle = 0;
    int32_t borderColor = 0;
    uint8_t sheetStyle = 0;
    int32_t sheetColor = 0xFFFFFF;
    uint8_t snapToGrid = 1;
    int32_t visibleGridSize = 10;
    uint8_t showGrid = 1;
    int32_t gridSize = 10;
    uint8_t electricalGrid = 1;
    int32_t electricalGridRange = 4;
    uint8_t useCustomSheet = 1;
    uint8_t showTemplateGraphics = 0;
    int32_t sheetWidth = 1500;
    int32_t sheetHeight = 950;
    int32_t xZones = 6;
    int32_t yZones = 4;
    int32_t marginWidth = 20;
    std::string title;
    std::string documentNumber;
    std::string revision;
    std::string organization;
    std::string address;
    std::string drawnBy;
    std::string checkedBy;
    std::string date;
    int32_t sheetNumber = 1;
    int32_t sheetTotal = 1;
    std::string fontName = "Sans";
    int32_t fontSize = 10;

    friend bool operator==(const DocumentOptions&, const DocumentOptions&) = default;

    // The whole sheet, origin at the bottom left.
    Rect sheet() const { return {0, 0, sheetWidth, sheetHeight}; }

    // The title block at the bottom right, by its style; none for a style this host does not draw.
    std::optional<Rect> titleBlock() const {
        const int32_t right = sheetWidth - 20;
        if (!styledTitleBlock)
            return Rect{right - 500, 20, right, 100};
        if (titleBlockStyle == 0)
            return Rect{right - 360, 20, right, 102};
        if (titleBlockStyle == 1)
            return Rect{right - 630, 20, right, 200};
        return std::nullopt;
    }
};

} // namespace hostsim
