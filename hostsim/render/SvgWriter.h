// Builds an SVG picture of a sheet in sheet units: Y grows upward on the sheet, so every point is flipped about the
// sheet's height as it is written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hostsim/plexa/Geometry.h"

namespace hostsim {

// How a shape is stroked and filled. Colors are the host's 0x00BBGGRR values; a fill of -1 means none.
struct Pen {
    Pen() = default;
    Pen(int32_t color, double width, int32_t fill = -1, std::string dash = {}, double opacity = 1.0)
        : color(color), width(width), fill(fill), dash(std::move(dash)), opacity(opacity) {}

    int32_t color = 0;
    double width = 1.0;
    int32_t fill = -1;
    std::string dash; // an SVG dash array, empty for a solid line
    double opacity = 1.0;
};

class SvgWriter {
public:
    // The picture shows the area; its pixel size is the area's size, scaled down to at most maxPixels on the
    // longer side.
    SvgWriter(const Rect& area, int32_t maxPixels);

    void line(Point a, Point b, const Pen& pen);
    void polyline(const std::vector<Point>& points, const Pen& pen);
    void polygon(const std::vector<Point>& points, const Pen& pen);
    void rect(const Rect& area, const Pen& pen, double cornerX = 0, double cornerY = 0);
    void ellipse(Point centre, double radiusX, double radiusY, const Pen& pen);
    // An elliptical arc counter-clockwise from startDegrees to endDegrees; a pie closes it through the centre.
    void arc(Point centre, double radiusX, double radiusY, double startDegrees, double endDegrees, const Pen& pen,
             bool pie = false);
    // A cubic curve through the first point and every third point after it.
    void bezier(const std::vector<Point>& points, const Pen& pen);
    // A text with its bottom left at the anchor, turned counter-clockwise by quarter turns; `size` is the height.
    void text(Point anchor, std::string_view content, uint8_t quarterTurns, int32_t color, double size = 10,
              bool centred = false);
    void comment(std::string_view text);

    std::string finish() const;

    static std::string colorOf(int32_t hostColor);

private:
    double x(int32_t sheetX) const;
    double y(int32_t sheetY) const;
    std::string point(Point p) const;
    std::string style(const Pen& pen) const;

    Rect area_;
    double scale_ = 1.0;
    std::string body_;
};

} // namespace hostsim
