#pragma once
#include <cstdint>

// The thirteen help topics: the title on the topic button and the page's
// paragraphs of fixed lines, some with a picture beside them.
namespace help_pages {

constexpr int kTopics = 13;
constexpr int kMaxParagraphs = 4;
constexpr int kMaxLines = 19;

struct Line {
    const char* text;
    int16_t width;  // 0: the paragraph's usual width
};

struct Paragraph {
    int16_t x, y;  // the first line; the others follow at x 170, 25 apart
    int8_t picture;  // image of the help sheet; 0, an image never loaded, for none
    int16_t pictureX, pictureY;
    Line lines[kMaxLines];
};

struct Topic {
    const char* title;
    int16_t listWidth;  // width of the title's box in the topic list
    Paragraph paragraphs[kMaxParagraphs];
};

// Topic t (1..13) is entry t - 1. Unused lines and paragraphs have no text.
extern const Topic kTopicPages[kTopics];

}  // namespace help_pages
