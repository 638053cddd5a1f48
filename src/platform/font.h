#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;

// DT_ format flags the game passes to DrawText.
enum TextFormat : uint32_t {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
};

class FontImpl;

// Text in a rectangle; "Arial" is Liberation Sans at the same pixel height.
class Font {
public:
    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Create(GraphicsDevice* graphics, const char* faceName, int height, int bold, int italic, int underline,
               int strikeout);
    int Release();
    int Begin();
    int End();
    int DrawText(const char* text, int x, int y, int width, int height, uint32_t colour, uint32_t format);
    // Strings rendered since Create (cache misses); tests read it.
    int RenderedStrings() const;

private:
    std::unique_ptr<FontImpl> impl_;  // empty when not created
};
