// The font of a control: the face the text metrics know, plus its colour.
#pragma once

#include "platform/TextMetrics.h"
#include "platform/forms/ControlColor.h"

#include <string>
#include <utility>

namespace platform::forms {

struct Font : platform::Font {
    ControlColor Color = SystemColor::WindowText;
    friend bool operator==(const Font& a, const Font& b) {
        return a.Name == b.Name && a.Height == b.Height && a.Bold == b.Bold && a.Color == b.Color;
    }
};

// A font of the given face, character height in pixels and weight, in the window-text colour.
inline Font MakeFont(std::string name, int height, bool bold = false) {
    Font f;
    f.Name = std::move(name);
    f.Height = height;
    f.Bold = bold;
    return f;
}

// A face of the text metrics in the window-text colour.
inline Font FromFace(const platform::Font& face) {
    Font f;
    static_cast<platform::Font&>(f) = face;
    return f;
}

} // namespace platform::forms
