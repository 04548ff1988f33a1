// Text as the dialogs draw it: accelerator marks, line breaks, word wrapping and tab stops, measured with the
// platform's text metrics.
#pragma once

#include "platform/TextMetrics.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform::forms {

// A caption as shown: "&&" shows one "&", "&x" shows x (underlined, as the key that picks the control).
std::string StripAccelerators(std::string_view caption);

// The width of one line, with tabs advancing to the next stop every eight average characters.
int LineWidth(const platform::Font& font, std::string_view line);

// The lines of Text drawn word-wrapped into Width pixels: CR, LF and CR LF end a line; lines wrap between words;
// a word wider than Width keeps a line of its own (it widens the text rather than being cut). Width 0 or less
// turns wrapping off.
std::vector<std::string> WrapText(const platform::Font& font, std::string_view text, int width);

// The extent of the wrapped text: the widest line by the number of lines times the cell height.
platform::TextSize MeasureText(const platform::Font& font, std::string_view text, int width);

} // namespace platform::forms
