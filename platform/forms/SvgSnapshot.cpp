#include "platform/forms/SvgSnapshot.h"

#include "platform/Xml.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextLayout.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace platform::forms {

namespace {

std::string Hex(platform::Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.Red, c.Green, c.Blue);
    return text;
}

std::string Hex(SystemColor c) {
    return Hex(platform::GetSystemColor(c));
}

// The width of Text in a typical sans-serif face of the font's size, from classes of character widths.
double TypicalWidth(const Font& font, std::string_view text) {
    constexpr std::string_view narrow = "ijlI.,:;'!|", half = "frt()[]{}-/\\ ", wide = "mwMW@%";
    double ems = 0;
    for (char c : text) {
        if (narrow.find(c) != std::string_view::npos)
            ems += 0.28;
        else if (half.find(c) != std::string_view::npos)
            ems += 0.37;
        else if (wide.find(c) != std::string_view::npos)
            ems += 0.92;
        else
            ems += c >= 'A' && c <= 'Z' ? 0.70 : 0.60;
        ems += font.Bold ? 0.06 : 0;
    }
    return ems * font.Height;
}

class Canvas {
public:
    Canvas(int originX, int originY) : originX_(originX), originY_(originY) {}

    void Rect(const platform::Rect& r, const std::string& fill, const std::string& stroke = "none") {
        out_ << "<rect x=\"" << X(r.Left) << "\" y=\"" << Y(r.Top) << "\" width=\"" << r.Width() << "\" height=\""
             << r.Height() << "\" fill=\"" << fill << "\"";
        if (stroke != "none")
            out_ << " stroke=\"" << stroke << "\"";
        out_ << "/>\n";
    }
    // A one-pixel outline inside R.
    void Outline(const platform::Rect& r, const std::string& stroke) {
        out_ << "<rect x=\"" << X(r.Left) + 0.5 << "\" y=\"" << Y(r.Top) + 0.5 << "\" width=\"" << r.Width() - 1
             << "\" height=\"" << r.Height() - 1 << "\" fill=\"none\" stroke=\"" << stroke << "\"/>\n";
    }
    void Line(int x1, int y1, int x2, int y2, const std::string& stroke) {
        out_ << "<line x1=\"" << X(x1) + 0.5 << "\" y1=\"" << Y(y1) + 0.5 << "\" x2=\"" << X(x2) + 0.5 << "\" y2=\""
             << Y(y2) + 0.5 << "\" stroke=\"" << stroke << "\"/>\n";
    }
    void Circle(int cx, int cy, int r, const std::string& fill, const std::string& stroke) {
        out_ << "<circle cx=\"" << X(cx) + 0.5 << "\" cy=\"" << Y(cy) + 0.5 << "\" r=\"" << r << "\" fill=\"" << fill
             << "\" stroke=\"" << stroke << "\"/>\n";
    }
    // One line of text with its top at (X, Y); Anchor "start", "middle" or "end". The text is fitted to the width
    // the text metrics give it, so the picture keeps the designed layout whatever font the viewer substitutes:
    // a viewer that fits text to its length gets the exact width, any other one the scale of a typical face.
    void Text(int x, int y, const Font& font, std::string_view text, const char* anchor = "start",
              const std::string& color = {}) {
        const int cell = platform::GetFontMetrics(font).Height;
        const int width = LineWidth(font, text);
        const double natural = TypicalWidth(font, text);
        const double scale = width > 0 && natural > 0 ? width / natural : 1.0;
        out_ << "<text transform=\"translate(" << X(x) << " " << Y(y) + cell * 4 / 5 << ") scale(" << scale
             << " 1)\" font-family=\"" << platform::EscapeXml(font.Name) << ", sans-serif\" font-size=\"" << font.Height
             << "px\"" << (font.Bold ? " font-weight=\"bold\"" : "") << " fill=\""
             << (color.empty() ? Hex(font.Color.Resolve()) : color) << "\" text-anchor=\"" << anchor << "\"";
        if (width > 0)
            out_ << " textLength=\"" << natural << "\" lengthAdjust=\"spacingAndGlyphs\"";
        out_ << " xml:space=\"preserve\">" << platform::EscapeXml(text) << "</text>\n";
    }
    void Picture(const platform::Rect& r, const platform::Bitmap& bitmap) {
        const int width = std::min(bitmap.Width(), r.Width()), height = std::min(bitmap.Height(), r.Height());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width;) {
                const platform::Color c = bitmap.Pixel(x, y);
                int run = 1;
                while (x + run < width && bitmap.Pixel(x + run, y) == c)
                    ++run;
                Rect({r.Left + x, r.Top + y, r.Left + x + run, r.Top + y + 1}, Hex(c));
                x += run;
            }
        }
    }
    std::string Take() { return out_.str(); }

private:
    int X(int x) const { return x - originX_; }
    int Y(int y) const { return y - originY_; }
    int originX_, originY_;
    std::ostringstream out_;
};

// Raised (light top left, dark bottom right) or sunken edges of R.
void Edges(Canvas& c, const platform::Rect& r, bool raised) {
    const std::string light = Hex(SystemColor::ButtonHighlight), dark = Hex(SystemColor::ButtonShadow);
    const std::string& topLeft = raised ? light : dark;
    const std::string& bottomRight = raised ? dark : light;
    c.Line(r.Left, r.Top, r.Right - 1, r.Top, topLeft);
    c.Line(r.Left, r.Top, r.Left, r.Bottom - 1, topLeft);
    c.Line(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, bottomRight);
    c.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, bottomRight);
}

void DrawLabel(Canvas& c, const Label& label, const platform::Rect& r) {
    const Font& font = label.GetFont();
    const int cell = platform::GetFontMetrics(font).Height;
    int y = r.Top;
    for (const auto& line : label.ShownLines()) {
        c.Text(r.Left, y, font, line);
        y += cell;
    }
}

void DrawCaptioned(Canvas& c, const Control& control, const platform::Rect& r, int textLeft) {
    const Font& font = control.GetFont();
    const int cell = platform::GetFontMetrics(font).Height;
    c.Text(textLeft, r.Top + (r.Height() - cell) / 2, font, StripAccelerators(control.Caption()), "start",
           control.Usable() ? std::string() : Hex(SystemColor::GrayText));
}

void DrawButton(Canvas& c, const Button& button, const platform::Rect& r) {
    c.Rect(r, Hex(SystemColor::ButtonFace));
    Edges(c, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, true);
    c.Outline(r, Hex(button.Default() || button.Focused() ? SystemColor::WindowText : SystemColor::DarkShadow3D));
    const Font& font = button.GetFont();
    const int cell = platform::GetFontMetrics(font).Height;
    c.Text((r.Left + r.Right) / 2, r.Top + (r.Height() - cell) / 2, font, StripAccelerators(button.Caption()), "middle",
           button.Usable() ? std::string() : Hex(SystemColor::GrayText));
}

void DrawCheckBox(Canvas& c, const CheckBox& box, const platform::Rect& r) {
    const int top = r.Top + (r.Height() - 13) / 2;
    c.Rect({r.Left, top, r.Left + 13, top + 13}, Hex(SystemColor::Window));
    c.Outline({r.Left, top, r.Left + 13, top + 13}, Hex(SystemColor::ButtonShadow));
    if (box.Checked()) {
        c.Line(r.Left + 3, top + 6, r.Left + 5, top + 9, Hex(SystemColor::WindowText));
        c.Line(r.Left + 5, top + 9, r.Left + 9, top + 3, Hex(SystemColor::WindowText));
    }
    DrawCaptioned(c, box, r, r.Left + 17);
}

void DrawRadioButton(Canvas& c, const RadioButton& radio, const platform::Rect& r) {
    const int cy = r.Top + r.Height() / 2;
    c.Circle(r.Left + 6, cy, 6, Hex(SystemColor::Window), Hex(SystemColor::ButtonShadow));
    if (radio.Checked())
        c.Circle(r.Left + 6, cy, 2, Hex(SystemColor::WindowText), Hex(SystemColor::WindowText));
    DrawCaptioned(c, radio, r, r.Left + 17);
}

void DrawEdit(Canvas& c, const Edit& edit, const platform::Rect& r) {
    c.Rect(r, Hex(edit.Background().Resolve()));
    c.Outline(r, Hex(edit.FrameColor().Resolve()));
    const Font& font = edit.GetFont();
    c.Text(r.Left + 3, r.Top + (r.Height() - platform::GetFontMetrics(font).Height) / 2, font, edit.Text());
}

void DrawBevel(Canvas& c, const Bevel& bevel, const platform::Rect& r) {
    const bool raised = bevel.GetStyle() == Bevel::Style::Raised;
    const std::string first = Hex(raised ? SystemColor::ButtonHighlight : SystemColor::ButtonShadow);
    const std::string second = Hex(raised ? SystemColor::ButtonShadow : SystemColor::ButtonHighlight);
    switch (bevel.GetShape()) {
    case Bevel::Shape::Box:
        Edges(c, r, raised);
        break;
    case Bevel::Shape::Frame:
        Edges(c, r, !raised);
        Edges(c, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, raised);
        break;
    case Bevel::Shape::TopLine:
        c.Line(r.Left, r.Top, r.Right - 1, r.Top, first);
        c.Line(r.Left, r.Top + 1, r.Right - 1, r.Top + 1, second);
        break;
    case Bevel::Shape::BottomLine:
        c.Line(r.Left, r.Bottom - 2, r.Right - 1, r.Bottom - 2, first);
        c.Line(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, second);
        break;
    case Bevel::Shape::LeftLine:
        c.Line(r.Left, r.Top, r.Left, r.Bottom - 1, first);
        c.Line(r.Left + 1, r.Top, r.Left + 1, r.Bottom - 1, second);
        break;
    case Bevel::Shape::RightLine:
        c.Line(r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1, first);
        c.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, second);
        break;
    }
}

void DrawGroupBox(Canvas& c, const GroupBox& group, const platform::Rect& r) {
    const Font& font = group.GetFont();
    const int cell = platform::GetFontMetrics(font).Height;
    const platform::Rect frame{r.Left, r.Top + cell / 2, r.Right, r.Bottom};
    c.Outline({frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom}, Hex(SystemColor::ButtonHighlight));
    c.Outline({frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1}, Hex(SystemColor::ButtonShadow));
    const std::string caption = StripAccelerators(group.Caption());
    if (caption.empty())
        return;
    c.Rect({r.Left + 6, r.Top, r.Left + 10 + LineWidth(font, caption), r.Top + cell},
           Hex(group.Background().Resolve()));
    c.Text(r.Left + 8, r.Top, font, caption);
}

void DrawPageControl(Canvas& c, const PageControl& pages, const platform::Rect& r) {
    const platform::Rect body{r.Left, r.Top + PageControl::TabHeight, r.Right, r.Bottom};
    c.Rect(body, Hex(SystemColor::ButtonFace));
    Edges(c, body, true);
    const Font& font = pages.GetFont();
    int x = r.Left + 2;
    for (int i = 0; i < pages.SheetCount(); ++i) {
        const TabSheet& sheet = pages.Sheet(i);
        const std::string caption = StripAccelerators(sheet.Caption());
        const int width = LineWidth(font, caption) + 12;
        const bool active = &sheet == pages.ActivePage();
        const platform::Rect tab{x - (active ? 2 : 0), r.Top + (active ? 0 : 2), x + width + (active ? 2 : 0),
                                 r.Top + PageControl::TabHeight + (active ? 1 : 0)};
        c.Rect(tab, Hex(SystemColor::ButtonFace));
        c.Line(tab.Left, tab.Top, tab.Right - 1, tab.Top, Hex(SystemColor::ButtonHighlight));
        c.Line(tab.Left, tab.Top, tab.Left, tab.Bottom - 1, Hex(SystemColor::ButtonHighlight));
        c.Line(tab.Right - 1, tab.Top, tab.Right - 1, tab.Bottom - 2, Hex(SystemColor::ButtonShadow));
        c.Text(x + 6, tab.Top + 3, font, caption);
        x += width;
    }
}

void DrawTrackBar(Canvas& c, const TrackBar& bar, const platform::Rect& r) {
    const int left = r.Left + 12, right = r.Right - 12, channel = r.Top + 8;
    c.Rect({left - 2, channel - 2, right + 2, channel + 2}, Hex(SystemColor::Window));
    Edges(c, {left - 2, channel - 2, right + 2, channel + 2}, false);
    const int span = std::max(1, bar.Max() - bar.Min());
    auto at = [&](int position) { return left + (right - left) * (position - bar.Min()) / span; };
    for (int p = bar.Min(); p <= bar.Max(); p += std::max(1, bar.Frequency()))
        c.Line(at(p), channel + 10, at(p), channel + 13, Hex(SystemColor::WindowText));
    const int x = at(bar.Position());
    const platform::Rect thumb{x - 5, channel - 8, x + 6, channel + 9};
    c.Rect(thumb, Hex(SystemColor::ButtonFace));
    Edges(c, thumb, true);
}

void DrawControl(Canvas& c, const Control& control);

void DrawChildren(Canvas& c, const Control& parent) {
    for (const auto& child : parent.Controls())
        if (child->Reachable())
            DrawControl(c, *child);
}

void DrawControl(Canvas& c, const Control& control) {
    const platform::Rect r = control.ScreenRect();
    switch (control.Kind()) {
    case ControlKind::Label:
        DrawLabel(c, static_cast<const Label&>(control), r);
        break;
    case ControlKind::Edit:
        DrawEdit(c, static_cast<const Edit&>(control), r);
        break;
    case ControlKind::Button:
        DrawButton(c, static_cast<const Button&>(control), r);
        break;
    case ControlKind::CheckBox:
        DrawCheckBox(c, static_cast<const CheckBox&>(control), r);
        break;
    case ControlKind::RadioButton:
        DrawRadioButton(c, static_cast<const RadioButton&>(control), r);
        break;
    case ControlKind::Image:
        c.Picture(r, static_cast<const Image&>(control).Picture());
        break;
    case ControlKind::Panel: {
        const auto& panel = static_cast<const Panel&>(control);
        c.Rect(r, Hex(panel.Background().Resolve()));
        if (panel.BevelOuter() != Panel::Bevel::None)
            Edges(c, r, panel.BevelOuter() == Panel::Bevel::Raised);
        break;
    }
    case ControlKind::Bevel:
        DrawBevel(c, static_cast<const Bevel&>(control), r);
        break;
    case ControlKind::GroupBox:
        DrawGroupBox(c, static_cast<const GroupBox&>(control), r);
        break;
    case ControlKind::PageControl:
        DrawPageControl(c, static_cast<const PageControl&>(control), r);
        break;
    case ControlKind::TrackBar:
        DrawTrackBar(c, static_cast<const TrackBar&>(control), r);
        break;
    case ControlKind::Form:
    case ControlKind::Notebook:
    case ControlKind::NotebookPage:
    case ControlKind::TabSheet:
        break;
    }
    DrawChildren(c, control);
}

void DrawFrame(Canvas& c, const Form& form) {
    const platform::Rect window{form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()};
    c.Rect(window, Hex(SystemColor::ButtonFace));
    c.Outline(window, Hex(SystemColor::DarkShadow3D));
    Edges(c, {window.Left + 1, window.Top + 1, window.Right - 1, window.Bottom - 1}, true);
    const platform::ScreenPoint client = form.ClientOrigin();
    c.Rect({client.X, client.Y, client.X + form.ClientWidth(), client.Y + form.ClientHeight()},
           Hex(form.Background().Resolve()));
    const int captionHeight = client.Y - window.Top - (client.X - window.Left);
    if (captionHeight <= 0)
        return;
    const platform::Rect bar{client.X, window.Top + (client.X - window.Left), client.X + form.ClientWidth(),
                             client.Y - 1};
    c.Rect(bar, "#0a246a");
    Font title = MakeFont("Tahoma", 11, true);
    title.Color = platform::Color{255, 255, 255};
    c.Text(bar.Left + 4, bar.Top + (bar.Height() - platform::GetFontMetrics(title).Height) / 2, title, form.Caption());
    // Caption buttons from the right: close, then help.
    int right = bar.Right - 2;
    auto captionButton = [&](const char* symbol) {
        const platform::Rect box{right - 16, bar.Top + 2, right, bar.Bottom - 2};
        c.Rect(box, Hex(SystemColor::ButtonFace));
        Edges(c, box, true);
        Font mark = MakeFont("Tahoma", 10, true);
        c.Text((box.Left + box.Right) / 2, box.Top, mark, symbol, "middle");
        right -= 18;
    };
    if (form.BorderIcons() & biSystemMenu)
        captionButton("x");
    if ((form.BorderIcons() & biHelp) && form.GetBorderStyle() == BorderStyle::Dialog)
        captionButton("?");
}

} // namespace

std::string RenderSvg(const Form& form) {
    Canvas c(form.Left(), form.Top());
    DrawFrame(c, form);
    DrawChildren(c, form);
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << form.Width() << "\" height=\"" << form.Height()
        << "\" viewBox=\"0 0 " << form.Width() << " " << form.Height() << "\" shape-rendering=\"crispEdges\">\n"
        << c.Take() << "</svg>\n";
    return svg.str();
}

} // namespace platform::forms
