#include "platform/forms/TextLayout.h"

#include <algorithm>

namespace platform::forms {

std::string StripAccelerators(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return shown;
}

int LineWidth(const platform::Font& font, std::string_view line) {
    const int tabStop = 8 * GetFontMetrics(font).AveCharWidth;
    int x = 0;
    for (char c : line)
        x = c == '\t' ? (x / tabStop + 1) * tabStop : x + CharWidth(font, c);
    return x;
}

namespace {

std::vector<std::string_view> SplitLineEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string_view TrimBlanksRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Breaks one paragraph between words; blanks at a break vanish.
void WrapParagraph(const platform::Font& font, std::string_view paragraph, int width, std::vector<std::string>& lines) {
    std::string line;
    std::size_t i = 0;
    while (i < paragraph.size()) {
        std::size_t wordStart = paragraph.find_first_not_of(' ', i);
        if (wordStart == std::string_view::npos)
            break;
        std::size_t wordEnd = std::min(paragraph.find(' ', wordStart), paragraph.size());
        std::string_view gapAndWord = paragraph.substr(i, wordEnd - i);
        if (!line.empty() && LineWidth(font, line + std::string(gapAndWord)) > width) {
            lines.emplace_back(TrimBlanksRight(line));
            line.assign(paragraph.substr(wordStart, wordEnd - wordStart));
        } else {
            line += gapAndWord;
        }
        i = wordEnd;
    }
    lines.push_back(std::move(line));
}

} // namespace

std::vector<std::string> WrapText(const platform::Font& font, std::string_view text, int width) {
    std::vector<std::string> lines;
    for (std::string_view paragraph : SplitLineEnds(text)) {
        if (width <= 0)
            lines.emplace_back(paragraph);
        else
            WrapParagraph(font, paragraph, width, lines);
    }
    return lines;
}

platform::TextSize MeasureText(const platform::Font& font, std::string_view text, int width) {
    const auto lines = WrapText(font, text, width);
    platform::TextSize size;
    for (const auto& line : lines)
        size.Width = std::max(size.Width, LineWidth(font, line));
    size.Height = int(lines.size()) * GetFontMetrics(font).Height;
    return size;
}

} // namespace platform::forms
