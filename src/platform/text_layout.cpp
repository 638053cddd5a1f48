#include "platform/text_layout.h"

#include "platform/font.h"

namespace {

void WrapParagraph(const std::string& paragraph, int maxWidth, const std::function<int(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t i = 0;
    while (i < paragraph.size()) {
        size_t start = paragraph.find_first_not_of(' ', i);
        if (start == std::string::npos) break;
        size_t end = paragraph.find(' ', start);
        if (end == std::string::npos) end = paragraph.size();
        // Keep the spaces before the word when it joins the current line.
        std::string candidate = line.empty() ? paragraph.substr(start, end - start) : line + paragraph.substr(i, end - i);
        if (!line.empty() && measure(candidate) > maxWidth) {
            lines.push_back(line);
            line = paragraph.substr(start, end - start);
        } else {
            line = candidate;
        }
        i = end;
    }
    lines.push_back(line);
}

}  // namespace

void LayoutTextLines(const char* text, uint32_t format, int maxWidth,
                     const std::function<int(const std::string&)>& measure, std::vector<std::string>& lines) {
    lines.clear();
    if (!text) return;
    std::string all(text);
    if (format & DT_SINGLELINE) {
        for (char& c : all)
            if (c == '\n' || c == '\r') c = ' ';
        lines.push_back(all);
        return;
    }
    size_t start = 0;
    while (true) {
        size_t end = all.find('\n', start);
        std::string paragraph = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        if (format & DT_WORDBREAK)
            WrapParagraph(paragraph, maxWidth, measure, lines);
        else
            lines.push_back(paragraph);
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

int AlignTextX(uint32_t format, int left, int right, int blockWidth) {
    if (format & DT_CENTER) return left + (right - left - blockWidth) / 2;
    if (format & DT_RIGHT) return right - blockWidth;
    return left;
}

int AlignTextY(uint32_t format, int top, int bottom, int blockHeight) {
    if (!(format & DT_SINGLELINE)) return top;
    if (format & DT_VCENTER) return top + (bottom - top - blockHeight) / 2;
    if (format & DT_BOTTOM) return bottom - blockHeight;
    return top;
}
