#include "capture/WizardPictures.h"

namespace snapscribe {

namespace {

// The colours RecolorToSystem replaces: button face, shadow and highlight.
constexpr platform::Color Face{192, 192, 192};
constexpr platform::Color Shadow{128, 128, 128};
constexpr platform::Color Highlight{255, 255, 255};
// Colours of the artwork itself.
constexpr platform::Color Ink{0, 0, 128};
constexpr platform::Color Wire{0, 128, 0};
constexpr platform::Color Part{160, 0, 0};
constexpr platform::Color Accent{255, 200, 0};

void FillRect(platform::Bitmap& b, int left, int top, int right, int bottom, platform::Color c) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            b.SetPixel(x, y, c);
}

void HLine(platform::Bitmap& b, int x1, int x2, int y, platform::Color c, int dash = 0) {
    for (int x = x1; x <= x2; ++x)
        if (dash == 0 || (x / dash) % 2 == 0)
            b.SetPixel(x, y, c);
}

void VLine(platform::Bitmap& b, int x, int y1, int y2, platform::Color c, int dash = 0) {
    for (int y = y1; y <= y2; ++y)
        if (dash == 0 || (y / dash) % 2 == 0)
            b.SetPixel(x, y, c);
}

void Frame(platform::Bitmap& b, int left, int top, int right, int bottom, platform::Color c, int dash = 0) {
    HLine(b, left, right, top, c, dash);
    HLine(b, left, right, bottom, c, dash);
    VLine(b, left, top, bottom, c, dash);
    VLine(b, right, top, bottom, c, dash);
}

// A raised sheet of paper with a shadow, its inside white.
void Sheet(platform::Bitmap& b, int left, int top, int right, int bottom) {
    FillRect(b, left + 3, top + 3, right + 4, bottom + 4, Shadow);
    FillRect(b, left, top, right + 1, bottom + 1, Highlight);
    Frame(b, left, top, right, bottom, Ink);
}

// A resistor between two wire stubs, drawn horizontally from (X, Y) over Length pixels.
void Resistor(platform::Bitmap& b, int x, int y, int length) {
    const int body = length / 3;
    HLine(b, x, x + body, y, Wire);
    Frame(b, x + body, y - 3, x + 2 * body, y + 3, Part);
    HLine(b, x + 2 * body, x + length, y, Wire);
}

// A small circuit: two resistors joined by a wire with a junction, inside the box Left..Right, Top..Bottom.
void Circuit(platform::Bitmap& b, int left, int top, int right, int bottom) {
    const int width = right - left, height = bottom - top;
    const int y1 = top + height / 3, y2 = top + 2 * height / 3;
    Resistor(b, left, y1, width / 2);
    VLine(b, left + width / 2, y1, y2, Wire);
    Resistor(b, left + width / 2, y2, width / 2);
    FillRect(b, left + width / 2 - 1, y1 - 1, left + width / 2 + 2, y1 + 2, Wire);
}

// Text lines of a script page, as grey strokes.
void ScriptLines(platform::Bitmap& b, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; y += 5) {
        const int indent = ((y - top) / 5) % 3 == 1 ? 6 : 0;
        HLine(b, left + indent, right - ((y / 5) % 4) * 3, y, Shadow);
    }
}

// The sheet picture of the side pages, with a circuit on it.
platform::Bitmap SidePicture() {
    platform::Bitmap b(70, 90, Face);
    Sheet(b, 4, 6, 62, 82);
    Circuit(b, 10, 20, 56, 66);
    return b;
}

} // namespace

platform::Bitmap WelcomePicture() {
    platform::Bitmap b(100, 100, Face);
    Sheet(b, 4, 10, 56, 80);
    Circuit(b, 9, 20, 51, 70);
    Sheet(b, 50, 24, 92, 92);
    ScriptLines(b, 55, 30, 88, 86);
    HLine(b, 44, 56, 50, Accent);
    return b;
}

platform::Bitmap FilesPicture() {
    platform::Bitmap b(70, 90, Face);
    FillRect(b, 6, 30, 30, 36, Accent);
    FillRect(b, 6, 36, 64, 80, Accent);
    Frame(b, 6, 36, 64, 80, Ink);
    Sheet(b, 16, 8, 54, 56);
    Circuit(b, 20, 16, 50, 48);
    return b;
}

platform::Bitmap RegionPicture() {
    platform::Bitmap b = SidePicture();
    Frame(b, 8, 18, 42, 64, Ink, 3);
    return b;
}

platform::Bitmap ReferencePointPicture() {
    platform::Bitmap b = SidePicture();
    const int x = 10, y = 35;
    HLine(b, x - 6, x + 6, y, Part);
    VLine(b, x, y - 6, y + 6, Part);
    Frame(b, x - 2, y - 2, x + 2, y + 2, Ink);
    return b;
}

platform::Bitmap FinishPicture() {
    platform::Bitmap b(200, 250, Ink);
    for (int y = 0; y < 250; y += 2)
        HLine(b, 0, 199, y, {0, 0, 96});
    Sheet(b, 40, 40, 150, 190);
    ScriptLines(b, 48, 50, 142, 180);
    for (int i = 0; i < 14; ++i) {
        FillRect(b, 110 + i, 180 + i, 113 + i, 184 + i, Wire);
        FillRect(b, 123 + 2 * i, 193 - 3 * i, 127 + 2 * i, 197 - 3 * i, Wire);
    }
    return b;
}

} // namespace snapscribe
