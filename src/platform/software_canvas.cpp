#include "platform/software_canvas.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstring>

#include "platform/frame_rotation.h"
#include "platform/texture.h"
#include "platform/triangle_raster.h"

namespace {

// A frame of the largest stretch, turned, still fits the cache.
static_assert(SoftwareCanvas::kScratchSide * 3 / 2 * (SoftwareCanvas::kScratchSide * 3 / 2) <=
              FrameCache::kArenaPixels);

template <typename T>
uint64_t Bits(T value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

// SDL_HasIntersectionF of the copy's target with the back buffer.
bool Touches(float x, float y, float w, float h, int width, int height) {
    if (w <= 0 || h <= 0) return false;
    const float left = std::max(x, 0.0f), right = std::min(x + w, static_cast<float>(width));
    const float top = std::max(y, 0.0f), bottom = std::min(y + h, static_cast<float>(height));
    return right > left && bottom > top;
}

// Sizes a frame key can tell apart (larger copies are left to SDL).
bool KeyHolds(int w, int h) { return w <= INT16_MAX && h <= INT16_MAX; }

FrameKey KeyOf(const Texture& picture, const SpriteCopy& copy, int w, int h, bool turned) {
    FrameKey key;
    key.picture = picture.ContentId();
    key.sourceX = static_cast<int16_t>(copy.sourceX);
    key.sourceY = static_cast<int16_t>(copy.sourceY);
    key.sourceW = static_cast<int16_t>(copy.sourceW);
    key.sourceH = static_cast<int16_t>(copy.sourceH);
    key.width = static_cast<int16_t>(w);
    key.height = static_cast<int16_t>(h);
    if (turned) {
        key.turned = 1;
        key.degreesBits = Bits(copy.degrees);
        key.centreXBits = static_cast<uint32_t>(Bits(copy.pivotX));
        key.centreYBits = static_cast<uint32_t>(Bits(copy.pivotY));
        key.flip = static_cast<uint8_t>((copy.flipX ? 1 : 0) | (copy.flipY ? 2 : 0));
    }
    return key;
}

bool SameColour(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// SDL's software renderer takes a vertex equal to one of the previous
// triangle's as that vertex, to find pairs of triangles forming a rectangle.
int SharedVertex(const SDL_Vertex* v, const int previous[3], int k) {
    if (previous[0] < 0) return k;
    for (int j = 0; j < 3; ++j) {
        const SDL_Vertex& a = v[previous[j]];
        const SDL_Vertex& b = v[k];
        if (a.position.x == b.position.x && a.position.y == b.position.y && a.tex_coord.x == b.tex_coord.x &&
            a.tex_coord.y == b.tex_coord.y && SameColour(a.color, b.color))
            return previous[j];
    }
    return k;
}

// Whether SDL's software renderer would draw a pair of the triangles as one
// rectangle copy instead of two triangles.
bool FormsRectangle(const SDL_Vertex* v, int count) {
    int previous[3] = {-1, -1, -1};
    for (int i = 0; i + 2 < count; i += 3) {
        const int k[3] = {SharedVertex(v, previous, i), SharedVertex(v, previous, i + 1),
                          SharedVertex(v, previous, i + 2)};
        if (previous[0] < 0) {
            std::copy(k, k + 3, previous);
            continue;
        }
        int shared = 0;
        for (int p : previous) shared += (p == k[0] || p == k[1] || p == k[2]);
        if (shared == 2) {
            auto x = [&](int n) { return v[n].position.x; };
            auto y = [&](int n) { return v[n].position.y; };
            // Top-left corner A, bottom-right B, the third corner C of this
            // triangle and C2 of the previous one.
            int a = 0, b = 0;
            if (x(k[0]) <= x(k[1]) && y(k[0]) <= y(k[1])) {
                a = (x(k[0]) <= x(k[2]) && y(k[0]) <= y(k[2])) ? k[0] : k[2];
            } else {
                a = (x(k[1]) <= x(k[2]) && y(k[1]) <= y(k[2])) ? k[1] : k[2];
            }
            if (x(k[0]) >= x(k[1]) && y(k[0]) >= y(k[1])) {
                b = (x(k[0]) >= x(k[2]) && y(k[0]) >= y(k[2])) ? k[0] : k[2];
            } else {
                b = (x(k[1]) >= x(k[2]) && y(k[1]) >= y(k[2])) ? k[1] : k[2];
            }
            const int c = (k[0] != a && k[0] != b) ? k[0] : (k[1] != a && k[1] != b) ? k[1] : k[2];
            const int c2 = (previous[0] != a && previous[0] != b)   ? previous[0]
                           : (previous[1] != a && previous[1] != b) ? previous[1]
                                                                    : previous[2];
            auto square = [&](int third) {
                return (x(a) == x(third) && y(b) == y(third)) || (y(a) == y(third) && x(b) == x(third));
            };
            if (square(c) && square(c2) && SameColour(v[a].color, v[b].color) && SameColour(v[a].color, v[c].color) &&
                SameColour(v[a].color, v[c2].color))
                return true;
        }
        std::copy(k, k + 3, previous);
    }
    return false;
}

}  // namespace

SoftwareCanvas::SoftwareCanvas(SDL_Renderer* renderer, SDL_Surface* target) : renderer_(renderer), target_(target) {}

SoftwareCanvas::~SoftwareCanvas() {
    if (stretch_) SDL_FreeSurface(stretch_);
}

uint32_t* SoftwareCanvas::Pixels() {
    SDL_RenderFlush(renderer_);
    return static_cast<uint32_t*>(target_->pixels);
}

int SoftwareCanvas::Pitch() const { return target_->pitch / 4; }
int SoftwareCanvas::Width() const { return target_->w; }
int SoftwareCanvas::Height() const { return target_->h; }

const uint32_t* SoftwareCanvas::Stretch(const Texture& picture, const SpriteCopy& copy, int w, int h, int& pitch) {
    // A frame the size of its source is only cut out: read it in place.
    if (w == copy.sourceW && h == copy.sourceH) {
        pitch = picture.Pitch();
        return picture.Pixels() + static_cast<long>(copy.sourceY) * pitch + copy.sourceX;
    }
    if (w > kScratchSide || h > kScratchSide || !picture.View()) return nullptr;
    if (!stretch_) {
        stretch_ = SDL_CreateRGBSurfaceWithFormat(0, kScratchSide, kScratchSide, 32, SDL_PIXELFORMAT_ARGB8888);
        if (!stretch_) return nullptr;
    }
    // SDL's own filtered stretch, so the frame is the one its renderer makes.
    SDL_Rect from{picture.originX + copy.sourceX, picture.originY + copy.sourceY, copy.sourceW, copy.sourceH};
    SDL_Rect to{0, 0, w, h};
    if (SDL_SoftStretchLinear(picture.View(), &from, stretch_, &to) != 0) return nullptr;
    pitch = stretch_->pitch / 4;
    return static_cast<const uint32_t*>(stretch_->pixels);
}

const PreparedFrame* SoftwareCanvas::Stretched(const Texture& picture, const SpriteCopy& copy, int w, int h) {
    if (!KeyHolds(w, h)) return nullptr;
    const FrameKey key = KeyOf(picture, copy, w, h, false);
    if (const PreparedFrame* kept = frames_.Find(key)) return kept;
    int pitch = 0;
    const uint32_t* stretched = Stretch(picture, copy, w, h, pitch);
    if (!stretched) return nullptr;
    const PreparedFrame* frame = nullptr;
    uint32_t* out = frames_.Insert(key, w, h, 0, 0, &frame);
    if (!out) return nullptr;
    for (int row = 0; row < h; ++row) std::copy_n(stretched + static_cast<long>(row) * pitch, w, out + row * w);
    return frame;
}

const PreparedFrame* SoftwareCanvas::Turned(const Texture& picture, const SpriteCopy& copy, int w, int h) {
    if (!KeyHolds(w, h)) return nullptr;
    const FrameKey key = KeyOf(picture, copy, w, h, true);
    if (const PreparedFrame* kept = frames_.Find(key)) return kept;
    int pitch = 0;
    const uint32_t* frame = Stretch(picture, copy, w, h, pitch);
    if (!frame) return nullptr;
    const TurnedBounds bounds = TurnedFrameBounds(w, h, copy.degrees, copy.pivotX, copy.pivotY);
    const PreparedFrame* prepared = nullptr;
    uint32_t* out = frames_.Insert(key, bounds.w, bounds.h, bounds.x, bounds.y, &prepared);
    if (!out) return nullptr;
    TurnFrame(frame, pitch, w, h, copy.degrees, copy.flipX, copy.flipY, bounds, copy.pivotX, copy.pivotY, out,
              bounds.w);
    return prepared;
}

bool SoftwareCanvas::Draw(const Texture& picture, const SpriteCopy& copy) {
    if (DrawCopy(picture, copy)) return true;
    ++handedBack_;
    return false;
}

bool SoftwareCanvas::DrawCopy(const Texture& picture, const SpriteCopy& copy) {
    if (!picture.Pixels()) return false;
    const bool turned = copy.flipX || copy.flipY || static_cast<int>(copy.degrees / 360) != copy.degrees / 360;
    // SDL cuts the target rectangle to whole pixels toward zero.
    const int x = static_cast<int>(copy.x), y = static_cast<int>(copy.y);
    const int w = static_cast<int>(copy.w), h = static_cast<int>(copy.h);
    if (!turned) {
        if (!Touches(copy.x, copy.y, copy.w, copy.h, Width(), Height())) return true;
        if (w == copy.sourceW && h == copy.sourceH) {
            const uint32_t* source = picture.Pixels() + static_cast<long>(copy.sourceY) * picture.Pitch() + copy.sourceX;
            BlendClipped(Pixels(), Pitch(), Width(), Height(), source, picture.Pitch(), w, h, x, y, copy.colour);
            return true;
        }
        if (w <= 0 || h <= 0) return true;  // SDL stretches to nothing
        const PreparedFrame* frame = Stretched(picture, copy, w, h);
        if (!frame) return false;
        BlendClipped(Pixels(), Pitch(), Width(), Height(), frame->pixels, frame->w, frame->w, frame->h, x, y,
                     copy.colour);
        return true;
    }
    if (w <= 0 || h <= 0) return true;  // turns nothing
    const PreparedFrame* frame = Turned(picture, copy, w, h);
    if (!frame) return false;
    BlendClipped(Pixels(), Pitch(), Width(), Height(), frame->pixels, frame->w, frame->w, frame->h,
                 x + frame->offsetX, y + frame->offsetY, copy.colour);
    return true;
}

bool SoftwareCanvas::DrawTriangles(const Texture& picture, const SDL_Vertex* vertices, int count) {
    if (DrawTriangleList(picture, vertices, count)) return true;
    ++handedBack_;
    return false;
}

bool SoftwareCanvas::DrawTriangleList(const Texture& picture, const SDL_Vertex* vertices, int count) {
    if (!picture.Pixels() || count % 3 != 0) return false;
    for (int i = 0; i < count; ++i) {
        const SDL_FPoint& uv = vertices[i].tex_coord;
        if (uv.x < 0.0f || uv.y < 0.0f || uv.x > 1.0f || uv.y > 1.0f) return false;
    }
    if (FormsRectangle(vertices, count)) return false;
    // SDL's conversion: corners cut to whole pixels toward zero, in half
    // pixels; texel coordinates of the whole SDL texture, cut likewise.
    const int textureW = picture.TextureWidth(), textureH = picture.TextureHeight();
    auto corner = [&](const SDL_Vertex& v, TexturedTriangle& t, int k) {
        t.x[k] = static_cast<int>(v.position.x) * 2;
        t.y[k] = static_cast<int>(v.position.y) * 2;
        t.u[k] = static_cast<int>(v.tex_coord.x * static_cast<float>(textureW));
        t.v[k] = static_cast<int>(v.tex_coord.y * static_cast<float>(textureH));
    };
    constexpr float kLimit = static_cast<float>(kMaxRasterCoordinate);
    for (int i = 0; i < count; i += 3) {
        TexturedTriangle t;
        for (int k = 0; k < 3; ++k) {
            const SDL_Vertex& v = vertices[i + k];
            if (!(std::fabs(v.position.x) <= kLimit && std::fabs(v.position.y) <= kLimit)) return false;
            if (!SameColour(v.color, vertices[i].color)) return false;
            corner(v, t, k);
        }
        if (!RasterFits(t, textureW, textureH)) return false;
    }
    const uint32_t* texels = picture.Pixels() - (static_cast<long>(picture.originY) * picture.Pitch() + picture.originX);
    uint32_t* target = Pixels();
    for (int i = 0; i < count; i += 3) {
        TexturedTriangle t;
        for (int k = 0; k < 3; ++k) corner(vertices[i + k], t, k);
        const SDL_Color& c = vertices[i].color;
        t.colour = BlendColour{c.r, c.g, c.b, c.a};
        RasterTexturedTriangle(target, Pitch(), Width(), Height(), texels, picture.Pitch(), t);
    }
    return true;
}
