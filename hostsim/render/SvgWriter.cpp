#include "hostsim/render/SvgWriter.h"

#include "platform/Xml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace hostsim {

namespace {

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

} // namespace

SvgWriter::SvgWriter(const Rect& area, int32_t maxPixels) : area_(area) {
    const double longer = static_cast<double>(std::max<int64_t>({area.width(), area.height(), 1}));
    scale_ = std::min(1.0, maxPixels / longer);
}

double SvgWriter::x(int32_t sheetX) const {
    return static_cast<double>(int64_t{sheetX} - area_.left);
}

double SvgWriter::y(int32_t sheetY) const {
    return static_cast<double>(int64_t{area_.top} - sheetY);
}

std::string SvgWriter::point(Point p) const {
    return number(x(p.x)) + "," + number(y(p.y));
}

std::string SvgWriter::colorOf(int32_t hostColor) {
    char buffer[8];
    const auto c = static_cast<uint32_t>(hostColor);
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buffer;
}

std::string SvgWriter::style(const Pen& pen) const {
    std::string s = " stroke=\"" + colorOf(pen.color) + "\" stroke-width=\"" + number(pen.width) + "\"";
    s += pen.fill < 0 ? " fill=\"none\"" : " fill=\"" + colorOf(pen.fill) + "\"";
    if (!pen.dash.empty())
        s += " stroke-dasharray=\"" + pen.dash + "\"";
    if (pen.opacity < 1.0)
        s += " opacity=\"" + number(pen.opacity) + "\"";
    return s;
}

void SvgWriter::line(Point a, Point b, const Pen& pen) {
    body_ += "<line x1=\"" + number(x(a.x)) + "\" y1=\"" + number(y(a.y)) + "\" x2=\"" + number(x(b.x)) + "\" y2=\"" +
             number(y(b.y)) + "\"" + style(pen) + " stroke-linecap=\"round\"/>\n";
}

void SvgWriter::polyline(const std::vector<Point>& points, const Pen& pen) {
    std::string list;
    for (const Point& p : points)
        list += point(p) + " ";
    body_ += "<polyline points=\"" + list + "\"" + style(pen) + " stroke-linejoin=\"round\"/>\n";
}

void SvgWriter::polygon(const std::vector<Point>& points, const Pen& pen) {
    std::string list;
    for (const Point& p : points)
        list += point(p) + " ";
    body_ += "<polygon points=\"" + list + "\"" + style(pen) + " stroke-linejoin=\"round\"/>\n";
}

void SvgWriter::rect(const Rect& area, const Pen& pen, double cornerX, double cornerY) {
    body_ += "<rect x=\"" + number(x(area.left)) + "\" y=\"" + number(y(area.top)) + "\" width=\"" +
             number(static_cast<double>(area.width())) + "\" height=\"" + number(static_cast<double>(area.height())) +
             "\"";
    if (cornerX > 0 || cornerY > 0)
        body_ += " rx=\"" + number(cornerX) + "\" ry=\"" + number(cornerY) + "\"";
    body_ += style(pen) + "/>\n";
}

void SvgWriter::ellipse(Point centre, double radiusX, double radiusY, const Pen& pen) {
    body_ += "<ellipse cx=\"" + number(x(centre.x)) + "\" cy=\"" + number(y(centre.y)) + "\" rx=\"" +
             number(std::fabs(radiusX)) + "\" ry=\"" + number(std::fabs(radiusY)) + "\"" + style(pen) + "/>\n";
}

void SvgWriter::arc(Point centre, double radiusX, double radiusY, double startDegrees, double endDegrees,
                    const Pen& pen, bool pie) {
    double sweep = std::fmod(endDegrees - startDegrees, 360.0);
    if (sweep <= 0)
        sweep += 360.0;
    if (sweep >= 359.999) {
        ellipse(centre, radiusX, radiusY, pen);
        return;
    }
    const double start = startDegrees * std::numbers::pi / 180.0;
    const double end = (startDegrees + sweep) * std::numbers::pi / 180.0;
    const double cx = x(centre.x), cy = y(centre.y);
    // Counter-clockwise on the sheet is clockwise once Y is flipped: sweep flag 0.
    const std::string from = number(cx + radiusX * std::cos(start)) + "," + number(cy - radiusY * std::sin(start));
    const std::string to = number(cx + radiusX * std::cos(end)) + "," + number(cy - radiusY * std::sin(end));
    std::string path = "M" + from + " A" + number(std::fabs(radiusX)) + "," + number(std::fabs(radiusY)) + " 0 " +
                       (sweep > 180 ? "1" : "0") + ",0 " + to;
    if (pie)
        path += " L" + number(cx) + "," + number(cy) + " Z";
    body_ += "<path d=\"" + path + "\"" + style(pen) + "/>\n";
}

void SvgWriter::bezier(const std::vector<Point>& points, const Pen& pen) {
    if (points.size() < 4) {
        polyline(points, pen);
        return;
    }
    std::string path = "M" + point(points[0]);
    size_t i = 1;
    for (; i + 2 < points.size(); i += 3)
        path += " C" + point(points[i]) + " " + point(points[i + 1]) + " " + point(points[i + 2]);
    for (; i < points.size(); ++i)
        path += " L" + point(points[i]);
    body_ += "<path d=\"" + path + "\"" + style(pen) + "/>\n";
}

void SvgWriter::text(Point anchor, std::string_view content, uint8_t quarterTurns, int32_t color, double size,
                     bool centred) {
    if (content.empty())
        return;
    const std::string at = "x=\"" + number(x(anchor.x)) + "\" y=\"" + number(y(anchor.y) - size * 0.2) + "\"";
    std::string turn;
    if (quarterTurns & 3)
        turn = " transform=\"rotate(" + number(-90.0 * (quarterTurns & 3)) + " " + number(x(anchor.x)) + " " +
               number(y(anchor.y)) + ")\"";
    body_ += "<text " + at + turn + " font-family=\"monospace\" font-size=\"" + number(size) + "\" fill=\"" +
             colorOf(color) + "\"" + (centred ? " text-anchor=\"middle\"" : "") + ">" + platform::EscapeXml(content) +
             "</text>\n";
}

void SvgWriter::comment(std::string_view text) {
    std::string safe(text);
    std::replace(safe.begin(), safe.end(), '-', '_');
    body_ += "<!-- " + safe + " -->\n";
}

std::string SvgWriter::finish() const {
    const double width = static_cast<double>(area_.width());
    const double height = static_cast<double>(area_.height());
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width * scale_) + "\" height=\"" +
           number(height * scale_) + "\" viewBox=\"0 0 " + number(width) + " " + number(height) + "\">\n" + body_ +
           "</svg>\n";
}

} // namespace hostsim
