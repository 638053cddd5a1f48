#include "painter.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "glyph_sheets.h"
#include "painter_util.h"

namespace standin {

using paint::Rect;

namespace {

constexpr float kPi = 3.14159265f;
constexpr Rgb kNose{250, 240, 120};  // the bright tip that shows a heading

struct Context {
    const ManifestEntry& entry;
    TextRenderer& text;
    Image& image;
    Rgb colour;
    Rgb background;
};

using FramePainter = void (*)(Context&, int frame, const Rect& r);

void Number(Context& c, int frame, const Rect& r, Rgb under) {
    if (r.w < 10 || r.h < 10) return;
    const int bw = std::max(8, r.w / 2), bh = std::max(8, r.h * 2 / 5);
    c.text.Draw(c.image, c.entry.Label(frame), static_cast<int>(r.Cx()) - bw / 2, static_cast<int>(r.Cy()) - bh / 2, bw,
                bh, paint::Contrast(under), true);
}

Rgb FrameShade(const Context& c, int frame) {
    return paint::Scale(c.colour, 1.0f - 0.25f * static_cast<float>(frame % 4) / 3.0f);
}

void Shape(Image& img, int kind, const Rect& r, float inset, Rgb col) {
    const float cx = r.Cx(), cy = r.Cy();
    const float rx = r.w / 2.0f - inset, ry = r.h / 2.0f - inset;
    std::vector<float> pts;
    switch (kind % 6) {
    case 0:
        for (int i = 0; i < 24; ++i)
            pts.insert(pts.end(), {cx + rx * std::cos(i * kPi / 12), cy + ry * std::sin(i * kPi / 12)});
        break;
    case 1: pts = {cx - rx, cy - ry, cx + rx, cy - ry, cx + rx, cy + ry, cx - rx, cy + ry}; break;
    case 2: pts = {cx, cy - ry, cx + rx, cy, cx, cy + ry, cx - rx, cy}; break;
    case 3: pts = {cx, cy - ry, cx + rx, cy + ry, cx - rx, cy + ry}; break;
    case 4:
        for (int i = 0; i < 6; ++i)
            pts.insert(pts.end(), {cx + rx * std::cos(i * kPi / 3), cy + ry * std::sin(i * kPi / 3)});
        break;
    default:
        for (int i = 0; i < 8; ++i)
            pts.insert(pts.end(), {cx + rx * std::cos(i * kPi / 4 + kPi / 8), cy + ry * std::sin(i * kPi / 4 + kPi / 8)});
        break;
    }
    img.Polygon(pts, col);
}

void PaintSprite(Context& c, int frame, const Rect& r) {
    const Rgb col = FrameShade(c, frame);
    if (r.Min() < 8) {
        c.image.Fill(r.x, r.y, r.w, r.h, col);
        return;
    }
    const float inset = std::max(1.0f, r.Min() / 10.0f);
    Shape(c.image, frame, r, inset, paint::Scale(col, 0.55f));
    Shape(c.image, frame, r, inset + std::max(1.0f, r.Min() / 16.0f), col);
    Number(c, frame, r, col);
}

// An arrowhead ship pointing up (heading 0) with a bright nose.
void PaintRotor(Context& c, int frame, const Rect& r) {
    const Rgb col = FrameShade(c, frame);
    const float m = std::max(1.0f, r.w / 12.0f);
    const float l = r.x + m, t = r.y + m, rr = r.x + r.w - m, b = r.y + r.h - m, cx = r.Cx();
    const float notch = b - (b - t) * 0.25f;
    c.image.Polygon({cx, t, rr, b, cx, notch, l, b}, paint::Scale(col, 0.55f));
    const float d = std::max(1.0f, r.w / 24.0f);
    c.image.Polygon({cx, t + 2 * d, rr - d, b - d, cx, notch - d, l + d, b - d}, col);
    const float noseH = (b - t) * 0.22f;
    c.image.Polygon({cx, t, cx + noseH * 0.45f, t + noseH, cx - noseH * 0.45f, t + noseH}, kNose);
    if (r.w >= 24) {
        const int bw = r.w / 3, bh = r.h / 4;
        c.text.Draw(c.image, c.entry.Label(frame), static_cast<int>(cx) - bw / 2, static_cast<int>(t + (b - t) * 0.42f), bw,
                    bh, paint::Contrast(col), true);
    }
}

// Engine flame: wide at the top where it meets the ship, tip pointing down.
void PaintFlame(Context& c, int frame, const Rect& r) {
    const float m = r.w / 8.0f;
    c.image.Polygon({r.x + m, r.y + m, r.x + r.w - m, r.y + m, r.Cx(), r.y + r.h - m}, Rgb{250, 150, 40});
    c.image.Polygon({r.x + 3 * m, r.y + m, r.x + r.w - 3 * m, r.y + m, r.Cx(), r.y + r.h * 0.6f}, Rgb{250, 235, 120});
    Number(c, frame, {r.x, r.y, r.w, r.h / 2}, Rgb{250, 235, 120});
}

void PaintRing(Context& c, int frame, const Rect& r) {
    const Rgb col = FrameShade(c, frame);
    const float outer = r.Min() / 2.0f - 1, width = std::max(2.0f, r.Min() / 10.0f);
    c.image.Ring(r.Cx(), r.Cy(), outer, outer - width, col);
    // A tick that turns with the frame shows the animation.
    const float a = frame * kPi / 2 - kPi / 2;
    c.image.Disc(r.Cx() + (outer - width / 2) * std::cos(a), r.Cy() + (outer - width / 2) * std::sin(a), width, kNose);
    Number(c, frame, r, c.background);
}

void PaintBlast(Context& c, int frame, const Rect& r) {
    const int n = std::max(1, c.entry.frames);
    const float t = static_cast<float>(frame + 1) / n;
    const Rgb col = paint::Mix(Rgb{250, 240, 140}, paint::Mix(c.colour, Rgb{120, 60, 40}, 0.5f), t);
    const float radius = (0.3f + 0.65f * t) * r.Min() / 2.0f;
    c.image.Disc(r.Cx(), r.Cy(), radius, paint::Scale(col, 0.7f));
    c.image.Disc(r.Cx(), r.Cy(), radius * 0.7f, col);
    Number(c, frame, r, col);
}

void PaintShot(Context& c, int frame, const Rect& r) {
    static constexpr Rgb kTypes[] = {{240, 240, 120}, {120, 220, 250}, {120, 250, 140}, {250, 130, 210}};
    const Rgb col = paint::Mix(kTypes[frame % 4], c.colour, 0.25f);
    c.image.Disc(r.Cx(), r.Cy(), r.Min() * 0.42f, paint::Scale(col, 0.6f));
    c.image.Disc(r.Cx(), r.Cy(), r.Min() * 0.28f, col);
}

void PaintPuff(Context& c, int frame, const Rect& r) {
    const float radius = r.w * (0.3f + 0.02f * (frame % 8));
    c.image.Disc(r.Cx(), r.y + r.h * 0.6f, radius, Rgb{150, 150, 160});
    c.image.Disc(r.Cx(), r.y + r.h * 0.35f, radius * 0.8f, Rgb{190, 190, 200});
}

void PaintGlow(Context& c, int frame, const Rect& r) {
    const Rgb inner = frame == 0 ? Rgb{235, 235, 235} : c.colour;
    const float radius = r.Min() / 2.0f;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const float d = std::hypot(x + 0.5f - r.Cx(), y + 0.5f - r.Cy()) / radius;
            if (d <= 1.0f) c.image.Set(x, y, paint::Mix(inner, paint::Scale(inner, 0.25f), d));
        }
}

void PaintDots(Context& c, int frame, const Rect& r) {
    static constexpr Rgb kDots[] = {{90, 200, 250}, {250, 220, 60}, {250, 90, 90}, {230, 230, 230}, {120, 250, 120}};
    c.image.Fill(r.x, r.y, r.w, r.h, kDots[frame % 5]);
}

void PaintCorners(Context& c, int frame, const Rect& r) {
    const int t = std::max(2, r.w / 4);
    const bool right = frame % 2 == 1, bottom = (frame / 2) % 2 == 1;
    const int hx = r.x, hy = bottom ? r.y + r.h - t : r.y;
    const int vx = right ? r.x + r.w - t : r.x, vy = r.y;
    c.image.Fill(hx, hy, r.w, t, c.colour);
    c.image.Fill(vx, vy, t, r.h, c.colour);
    c.image.Fill(vx, hy, t, t, paint::Scale(c.colour, 0.6f));
}

void PaintEdges(Context& c, int frame, const Rect& r) {
    const bool horizontal = r.w >= r.h;
    const int t = std::max(1, (horizontal ? r.h : r.w) / 2);
    Rect bar = horizontal ? Rect{r.x, frame % 2 ? r.y + r.h - t : r.y, r.w, t}
                          : Rect{frame % 2 ? r.x + r.w - t : r.x, r.y, t, r.h};
    c.image.Fill(bar.x, bar.y, bar.w, bar.h, c.colour);
}

void PaintSwatch(Context& c, int frame, const Rect& r) {
    const Rgb col = FrameShade(c, frame);
    c.image.Fill(r.x, r.y, r.w, r.h, col);
    if (r.w >= 8 && r.h >= 8) c.image.Outline(r.x, r.y, r.w, r.h, 1, paint::Scale(col, 1.25f));
}

// Stretched many times over, so only a gentle gradient and no border.
void PaintPanel(Context& c, int frame, const Rect& r) {
    const Rgb base = paint::Scale(FrameShade(c, frame), 0.5f);
    for (int y = 0; y < r.h; ++y)
        c.image.Fill(r.x, r.y + y, r.w, 1, paint::Scale(base, 1.15f - 0.3f * y / std::max(1, r.h - 1)));
}

void PaintFrame(Context& c, int frame, const Rect& r) {
    c.image.Outline(r.x, r.y, r.w, r.h, std::max(1, r.Min() / 12), FrameShade(c, frame));
}

void Arrow(Image& img, const Rect& r, bool up, float inset, Rgb col) {
    const float l = r.x + inset, rr = r.x + r.w - inset, t = r.y + inset, b = r.y + r.h - inset;
    if (up) img.Polygon({r.Cx(), t, rr, b, l, b}, col);
    else img.Polygon({l, t, rr, t, r.Cx(), b}, col);
}

// Buttons' states: 0 plain, 1 lit, 2 pressed.
Rgb StateShade(Rgb c, int frame) {
    static constexpr float kState[] = {0.7f, 1.0f, 0.45f};
    return paint::Scale(c, kState[frame % 3]);
}

void PaintArrows(Context& c, int frame, const Rect& r) {
    const std::string dir = frame < static_cast<int>(c.entry.labels.size()) ? c.entry.labels[frame]
                            : c.entry.labels.empty()                          ? "up"
                                                                              : c.entry.labels.front();
    const Rgb col = StateShade(c.colour, frame);
    const float inset = std::max(1.0f, r.Min() / 8.0f);
    if (dir == "page") {
        c.image.Fill(r.x + 2, r.y + 2, r.w - 4, r.h - 4, col);
        return;
    }
    const bool up = dir.rfind("up", 0) == 0;
    if (dir.size() > 2 && dir.substr(dir.size() - 2) == "10") {
        Arrow(c.image, {r.x, r.y, r.w, r.h / 2 + 1}, up, inset / 2, col);
        Arrow(c.image, {r.x, r.y + r.h / 2, r.w, r.h / 2}, up, inset / 2, col);
    } else {
        Arrow(c.image, r, up, inset, col);
    }
}

void PaintButton(Context& c, int frame, const Rect& r) {
    const Rgb face = StateShade(c.colour, frame);
    const int m = std::max(1, r.Min() / 16);
    c.image.Fill(r.x + m, r.y + m, r.w - 2 * m, r.h - 2 * m, paint::Scale(face, 0.55f));
    c.image.Outline(r.x + m, r.y + m, r.w - 2 * m, r.h - 2 * m, std::max(1, m), face);
    const int pad = std::max(2, r.h / 6);
    c.text.Draw(c.image, c.entry.Label(frame), r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad,
                paint::Scale(face, 1.35f), true);
}

void PaintWord(Context& c, int frame, const Rect& r) {
    const int pad = std::max(1, r.h / 10);
    c.text.Draw(c.image, c.entry.Label(frame), r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad, c.colour, true);
}

void PaintDigit(Context& c, int frame, const Rect& r) {
    const int pad = std::max(1, r.h / 16);
    c.text.Draw(c.image, std::to_string(frame), r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad, c.colour, true);
}

// The advisor's pointer: a down arrow that bobs with the frame.
void PaintPointer(Context& c, int frame, const Rect& r) {
    const int bob = (frame % 4) * r.h / 16;
    Arrow(c.image, {r.x, r.y + bob, r.w, r.h - r.h / 4}, false, r.w / 8.0f, c.colour);
}

// Tip at the top-left corner, where the game puts the pointer.
void PaintCursor(Context& c, int, const Rect& r) {
    const float s = r.Min() / 32.0f;
    const std::vector<float> outline = {r.x + 0.0f, r.y + 0.0f, r.x + 0.0f, r.y + 24 * s, r.x + 7 * s, r.y + 18 * s,
                                        r.x + 12 * s, r.y + 28 * s, r.x + 16 * s, r.y + 26 * s, r.x + 11 * s, r.y + 16 * s,
                                        r.x + 19 * s, r.y + 16 * s};
    c.image.Polygon(outline, Rgb{40, 40, 60});
    std::vector<float> inner = outline;
    for (size_t i = 0; i < inner.size(); i += 2) {
        inner[i] = r.x + (inner[i] - r.x) * 0.8f + 1.2f * s;
        inner[i + 1] = r.y + (inner[i + 1] - r.y) * 0.8f + 2.4f * s;
    }
    c.image.Polygon(inner, Rgb{235, 235, 220});
}

void PaintStar(Context& c, int frame, const Rect& r) {
    std::vector<float> pts;
    const float outer = r.Min() / 2.0f - 1, inner = outer * 0.45f;
    for (int i = 0; i < 10; ++i) {
        const float a = -kPi / 2 + i * kPi / 5, rad = i % 2 ? inner : outer;
        pts.insert(pts.end(), {r.Cx() + rad * std::cos(a), r.Cy() + rad * std::sin(a)});
    }
    c.image.Polygon(pts, FrameShade(c, frame));
}

// Ring texture: u runs round the ring (seamless), v from outer to inner.
void PaintWave(Context& c, int, const Rect& r) {
    for (int y = r.y + 1; y < r.y + r.h - 1; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const float u = static_cast<float>(x - r.x) / r.w, v = static_cast<float>(y - r.y) / r.h;
            const float k = 0.65f + 0.35f * std::sin(2 * kPi * 4 * u) * std::sin(kPi * v);
            c.image.Set(x, y, paint::Scale(c.colour, k));
        }
}

// Periodic fields: a frame strip of n frames is one picture of n frames'
// width, so frames drawn side by side in order join, and each wraps.
float Field(float x, float y, float periodX, float periodY, uint64_t seed) {
    paint::Random rnd(seed);
    float v = 0;
    for (int i = 0; i < 4; ++i) {
        const int kx = rnd.Range(1, 3) * (i + 1), ky = rnd.Range(1, 3) * (i + 1);
        const float phase = rnd.Unit() * 2 * kPi;
        v += std::sin(2 * kPi * (kx * x / periodX + ky * y / periodY) + phase) / (i + 1);
    }
    return v / 2.1f;  // about -1..1
}

void PaintPeriodic(Context& c, const Rect& r, int frame, bool keyed, bool stars) {
    const uint64_t seed = paint::Hash(c.entry.name);
    const float periodX = static_cast<float>(r.w) * std::max(1, c.entry.frames), periodY = static_cast<float>(r.h);
    const float offsetX = static_cast<float>(frame) * r.w;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            const float f = Field(offsetX + x, static_cast<float>(y), periodX, periodY, seed);
            if (keyed) {
                if (stars || f < 0.15f) continue;  // stays key: see-through
                c.image.Set(r.x + x, r.y + y, paint::Scale(c.colour, 0.25f + 0.7f * f));
            } else {
                c.image.Set(r.x + x, r.y + y, paint::Scale(c.colour, 0.3f + 0.12f * f));
            }
        }
    paint::Random rnd(seed ^ static_cast<uint64_t>(frame + 1));
    const int count = r.w * r.h / 700 + 2;
    for (int i = 0; i < count; ++i) {
        const int x = rnd.Range(0, r.w - 1), y = rnd.Range(0, r.h - 1);
        const Rgb star = paint::Mix(Rgb{240, 240, 230}, c.colour, rnd.Unit() * 0.5f);
        c.image.Set(r.x + x, r.y + y, star);
        if (rnd.Range(0, 5) == 0) {  // a few bigger ones, wrapped inside the frame
            c.image.Set(r.x + (x + 1) % r.w, r.y + y, star);
            c.image.Set(r.x + x, r.y + (y + 1) % r.h, star);
        }
    }
}

// Two spiral arms round a bright core, flattened like a disc seen at a slant.
void PaintGalaxy(Context& c, int frame, const Rect& r) {
    paint::Random rnd(paint::Hash(c.entry.name) + frame);
    const float rx = r.w * 0.46f, ry = r.h * 0.46f;
    for (int i = 0; i < 2400; ++i) {
        const float t = rnd.Unit(), arm = static_cast<float>(i % 2) * kPi;
        const float a = arm + t * 3.0f * kPi + (rnd.Unit() - 0.5f) * 0.5f;
        const float rad = 0.08f + 0.92f * t;
        const Rgb col = paint::Mix(Rgb{250, 245, 220}, c.colour, t);
        c.image.Disc(r.Cx() + rx * rad * std::cos(a), r.Cy() + ry * rad * std::sin(a), 1.2f + 1.5f * (1 - t), col);
    }
    c.image.Disc(r.Cx(), r.Cy(), r.Min() * 0.08f, Rgb{250, 245, 220});
}

void PaintTile(Context& c, int frame, const Rect& r) { PaintPeriodic(c, r, frame, false, false); }
void PaintStars(Context& c, int frame, const Rect& r) { PaintPeriodic(c, r, frame, true, true); }
void PaintDust(Context& c, int frame, const Rect& r) { PaintPeriodic(c, r, frame, true, false); }

const std::map<std::string, FramePainter>& Painters() {
    static const std::map<std::string, FramePainter> painters = {
        {"sprite", PaintSprite}, {"rotor", PaintRotor},     {"flame", PaintFlame},   {"ring", PaintRing},
        {"blast", PaintBlast},   {"shot", PaintShot},       {"puff", PaintPuff},     {"glow", PaintGlow},
        {"dots", PaintDots},     {"corners", PaintCorners}, {"edges", PaintEdges},   {"swatch", PaintSwatch},
        {"panel", PaintPanel},   {"frame", PaintFrame},     {"arrows", PaintArrows}, {"button", PaintButton},
        {"word", PaintWord},     {"digits", PaintDigit},    {"pointer", PaintPointer}, {"cursor", PaintCursor},
        {"star", PaintStar},     {"wave", PaintWave},       {"tile", PaintTile},     {"stars", PaintStars},
        {"dust", PaintDust},     {"galaxy", PaintGalaxy},
    };
    return painters;
}

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) < 8 && std::abs(a.g - b.g) < 8 && std::abs(a.b - b.b) < 8; }

// A loader may compare the key after reducing to 5 bits a channel: pixels
// that close to the key are made the key itself, so every loader agrees.
// Files also loaded unkeyed get no key colour at all.
void SettleKeys(const ManifestEntry& e, Image& img) {
    const Rgb key = e.BackgroundKey();
    const bool keyed = e.HasBackgroundKey();
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) {
            const Rgb p = img.At(x, y);
            if (keyed) {
                if (Near(p, key)) img.Set(x, y, key);
                continue;
            }
            for (uint32_t flag : {KeyBlack, KeyRed, KeyGreen, KeyWhite})
                if ((e.keys & flag) && Near(p, KeyColour(flag))) img.Set(x, y, paint::Mix(p, Rgb{96, 96, 128}, 0.5f));
        }
}

}  // namespace

Rgb FileColour(const std::string& name) {
    const uint64_t h = paint::Hash(name);
    return paint::Hsv(static_cast<float>(h % 360) / 360.0f, 0.5f, 0.9f);
}

Rgb BackgroundColour(const ManifestEntry& entry) {
    if (entry.HasBackgroundKey()) return entry.BackgroundKey();
    return {22, 26, 44};
}

Image PaintImage(const ManifestEntry& entry, TextRenderer& text) {
    Image image(entry.width, entry.height, BackgroundColour(entry));
    Context c{entry, text, image, FileColour(entry.name), BackgroundColour(entry)};
    if (IsGlyphStyle(entry.style)) {
        PaintGlyphSheet(entry, text, image);
    } else {
        const auto& painters = Painters();
        const auto it = painters.find(entry.style);
        if (it == painters.end()) return Image();
        const int perRow = entry.FramesPerRow();
        for (int f = 0; f < entry.frames; ++f) {
            const Rect r{(f % perRow) * entry.frameWidth, (f / perRow) * entry.frameHeight, entry.frameWidth,
                         entry.frameHeight};
            it->second(c, f, r);
        }
    }
    SettleKeys(entry, image);
    return image;
}

}  // namespace standin
