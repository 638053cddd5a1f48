#include "platform/software_canvas.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/frame_rotation.h"
#include "platform/texture.h"

namespace {

constexpr int kSpareSide = SoftwareCanvas::kScratchSide * 3 / 2;  // a turned scratch-sized frame fits

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
    const FrameKey key = KeyOf(picture, copy, w, h, true);
    if (const PreparedFrame* kept = frames_.Find(key)) return kept;
    int pitch = 0;
    const uint32_t* frame = Stretch(picture, copy, w, h, pitch);
    if (!frame) return nullptr;
    const TurnedBounds bounds = TurnedFrameBounds(w, h, copy.degrees, copy.pivotX, copy.pivotY);
    const PreparedFrame* prepared = nullptr;
    uint32_t* out = frames_.Insert(key, bounds.w, bounds.h, bounds.x, bounds.y, &prepared);
    if (!out) {
        if (bounds.w > kSpareSide || bounds.h > kSpareSide) return nullptr;
        if (!spare_) spare_ = std::make_unique<uint32_t[]>(static_cast<size_t>(kSpareSide) * kSpareSide);
        out = spare_.get();
        spareFrame_ = PreparedFrame{out, bounds.w, bounds.h, bounds.x, bounds.y};
        prepared = &spareFrame_;
    }
    TurnFrame(frame, pitch, w, h, copy.degrees, copy.flipX, copy.flipY, bounds, copy.pivotX, copy.pivotY, out,
              bounds.w);
    return prepared;
}

bool SoftwareCanvas::Draw(const Texture& picture, const SpriteCopy& copy) {
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
