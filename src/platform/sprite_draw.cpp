#include "platform/sprite_draw.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "platform/graphics_device.h"
#include "platform/software_canvas.h"
#include "platform/texture.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kAlphaReference = 8;
// A draw may reach this many screens across before it is cut down: the
// renderer works on the whole scaled frame, and a scale read from a damaged
// value would otherwise ask it for gigabytes.
constexpr float kMaxScreens = 4.0f;

// One axis of an upright draw cut to the view: the whole source pixels that
// show, placed where they fall. A source pixel wider than the limit is
// stretched over the visible span instead. False when nothing shows.
bool ClipAxis(float viewStart, float viewSize, float limit, bool mirrored, int& srcStart, int& srcSize, float& dstStart,
              float& dstSize) {
    const float start = std::max(dstStart, viewStart);
    const float end = std::min(dstStart + dstSize, viewStart + viewSize);
    if (end <= start) return false;
    const double per = srcSize / static_cast<double>(dstSize);  // source pixels per screen pixel
    double from = (start - dstStart) * per, to = (end - dstStart) * per;
    if (mirrored) std::tie(from, to) = std::make_pair(srcSize - to, srcSize - from);
    const int first = std::clamp(static_cast<int>(std::floor(from)), 0, srcSize - 1);
    const int last = std::clamp(static_cast<int>(std::ceil(to)), first + 1, srcSize);
    const double keptFrom = mirrored ? srcSize - last : first;
    float placed = static_cast<float>(dstStart + keptFrom / per);
    float size = static_cast<float>((last - first) / per);
    if (size > limit) placed = start, size = end - start;
    srcStart += first;
    srcSize = last - first;
    dstStart = placed;
    dstSize = size;
    return true;
}

std::vector<SpriteCall>* g_recorded = nullptr;
}  // namespace

void RecordSpriteCalls(std::vector<SpriteCall>* calls) { g_recorded = calls; }

double RotationToScreenDegrees(float rotation) { return -static_cast<double>(rotation) * 180.0 / kPi; }

void PlaceSpritePoint(const SpritePlacement& place, float px, float py, float& outX, float& outY) {
    const double dx = static_cast<double>(px) * place.scaleX - place.centre;
    const double dy = static_cast<double>(py) * place.scaleY - place.centre;
    // Screen y grows downwards, so this matrix turns clockwise for a positive angle.
    const double a = RotationToScreenDegrees(place.rotation) * kPi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    outX = static_cast<float>(place.x + place.centre + dx * c - dy * s);
    outY = static_cast<float>(place.y + place.centre + dx * s + dy * c);
}

int DrawSprite(GraphicsDevice* graphics, const Texture& picture, int sourceX, int sourceY, int sourceWidth,
               int sourceHeight, const SpritePlacement& place, uint32_t colour) {
    SDL_Texture* texture = picture.texture;
    if (!graphics || !texture) return 0;
    SDL_Renderer* renderer = graphics->Device();
    if (!renderer) return 0;
    const uint8_t alpha = static_cast<uint8_t>(colour >> 24);
    if (graphics->AlphaTestEnabled() && alpha < kAlphaReference) return 1;

    const float w = sourceWidth * place.scaleX;
    const float h = sourceHeight * place.scaleY;
    if (w == 0.0f || h == 0.0f) return 1;
    // A negative scale mirrors the frame about its top-left corner.
    const float shiftX = w < 0 ? w : 0.0f;
    const float shiftY = h < 0 ? h : 0.0f;
    int flip = SDL_FLIP_NONE;
    if (w < 0) flip |= SDL_FLIP_HORIZONTAL;
    if (h < 0) flip |= SDL_FLIP_VERTICAL;

    const SDL_Rect wanted{sourceX, sourceY, sourceWidth, sourceHeight};
    const SDL_Rect whole{0, 0, picture.width, picture.height};
    SDL_Rect src;
    if (!SDL_IntersectRect(&wanted, &whole, &src)) return 1;
    SDL_FRect dst{place.x + shiftX, place.y + shiftY, std::fabs(w), std::fabs(h)};
    SDL_FPoint pivot{place.centre - shiftX, place.centre - shiftY};
    SDL_Rect view{};
    SDL_RenderGetViewport(renderer, &view);
    const float limit = kMaxScreens * static_cast<float>(std::max(view.w, view.h));
    if (dst.w > limit || dst.h > limit) {
        if (place.rotation == 0.0f) {
            if (!ClipAxis(static_cast<float>(view.x), static_cast<float>(view.w), limit, flip & SDL_FLIP_HORIZONTAL,
                          src.x, src.w, dst.x, dst.w) ||
                !ClipAxis(static_cast<float>(view.y), static_cast<float>(view.h), limit, flip & SDL_FLIP_VERTICAL,
                          src.y, src.h, dst.y, dst.h)) {
                return 1;
            }
        } else {
            // Turned: shrink about the pivot to the limit.
            const float f = limit / std::max(dst.w, dst.h);
            dst.x += pivot.x * (1.0f - f);
            dst.y += pivot.y * (1.0f - f);
            dst.w *= f, dst.h *= f, pivot.x *= f, pivot.y *= f;
        }
    }

    const double degrees = RotationToScreenDegrees(place.rotation);
    if (g_recorded) {
        g_recorded->push_back(SpriteCall{texture, src.x + picture.originX, src.y + picture.originY, src.w, src.h, dst.x,
                                         dst.y, dst.w, dst.h, degrees, pivot.x, pivot.y, flip, colour});
    }
    if (SoftwareCanvas* canvas = graphics->Canvas()) {
        SpriteCopy copy;
        copy.sourceX = src.x;
        copy.sourceY = src.y;
        copy.sourceW = src.w;
        copy.sourceH = src.h;
        copy.x = dst.x;
        copy.y = dst.y;
        copy.w = dst.w;
        copy.h = dst.h;
        copy.degrees = degrees;
        copy.pivotX = pivot.x;
        copy.pivotY = pivot.y;
        copy.flipX = (flip & SDL_FLIP_HORIZONTAL) != 0;
        copy.flipY = (flip & SDL_FLIP_VERTICAL) != 0;
        copy.colour = BlendColour{static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                  static_cast<uint8_t>(colour), alpha};
        if (canvas->Draw(picture, copy)) return 1;
    }
    src.x += picture.originX;
    src.y += picture.originY;
    SDL_SetTextureColorMod(texture, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    SDL_SetTextureAlphaMod(texture, alpha);
    return SDL_RenderCopyExF(renderer, texture, &src, &dst, degrees, &pivot,
                             static_cast<SDL_RendererFlip>(flip)) == 0
               ? 1
               : 0;
}
