#include "platform/sprite_sheet.h"

#include "platform/graphics_device.h"
#include "platform/image_codec.h"

int SpriteSheet::Init(GraphicsDevice* device, int count) {
    Release();
    if (!device) return 0;
    graphics = device;
    if (count <= 0) return 0;
    imageCount = count;
    images = std::make_unique<Texture[]>(count);
    // Zeroed, so an empty slot reads as zero frames rather than garbage.
    frameWidth = std::make_unique<int[]>(count);
    frameHeight = std::make_unique<int[]>(count);
    framesPerRow = std::make_unique<int[]>(count);
    gridFrames_ = std::make_unique<int[]>(count);
    return 1;
}

int SpriteSheet::Release() {
    graphics = nullptr;
    images.reset();  // each Texture releases itself
    frameWidth.reset();
    frameHeight.reset();
    framesPerRow.reset();
    gridFrames_.reset();
    imageCount = 0;
    return 1;
}

int SpriteSheet::SetFrames(int image, int16_t fw, int16_t fh) {
    const int textureWidth = images[image].Width();
    const int textureHeight = images[image].Height();
    frameWidth[image] = fw != 0 ? fw : textureWidth;
    frameHeight[image] = fh != 0 ? fh : textureHeight;
    if (frameWidth[image] <= 0 || frameHeight[image] <= 0 || frameWidth[image] > textureWidth) {
        // A frame wider than the picture has no column to draw from: keep the slot empty.
        ReleaseImage(image);
        return 0;
    }
    framesPerRow[image] = textureWidth / frameWidth[image];
    gridFrames_[image] = framesPerRow[image] * (textureHeight / frameHeight[image]);
    return 1;
}

int SpriteSheet::LoadImage(int image, const char* fileName, int16_t fw, int16_t fh, uint32_t colourKey,
                           uint32_t format) {
    if (!ValidSlot(image)) return 0;
    ReleaseImage(image);
    if (!images[image].Load(graphics, fileName, colourKey, format, Texture::Packing::Atlas)) return 0;
    return SetFrames(image, fw, fh);
}

int SpriteSheet::LoadImagePixels(int image, const Image& picture, int16_t fw, int16_t fh, uint32_t colourKey,
                                 uint32_t format) {
    if (!ValidSlot(image)) return 0;
    ReleaseImage(image);
    if (!images[image].LoadPixels(graphics, picture, colourKey, format, Texture::Packing::Atlas)) return 0;
    return SetFrames(image, fw, fh);
}

int SpriteSheet::ReleaseImage(int image) {
    if (!ValidSlot(image)) return 0;
    images[image].Release();
    frameWidth[image] = 0;
    frameHeight[image] = 0;
    framesPerRow[image] = 0;
    gridFrames_[image] = 0;
    return 1;
}

int SpriteSheet::SetAlphaTest(int flag) { return graphics ? graphics->SetAlphaTest(flag) : 0; }

int SpriteSheet::Draw(int image, int frame, float x, float y, uint32_t colour, float scaleX, float scaleY, int centre,
                      float rotation) {
    if (!graphics || !ValidSlot(image)) return 0;
    const int perRow = framesPerRow[image];
    if (perRow <= 0) return 0;  // empty slot: no texture, or no whole frame in a row
    if (frame < 0 || frame >= gridFrames_[image]) {
        return DrawPastGrid(image, frame, x, y, colour, scaleX, scaleY, centre, rotation);
    }
    const int sourceX = (frame % perRow) * frameWidth[image];
    const int sourceY = (frame / perRow) * frameHeight[image];
    return images[image].Draw(x, y, sourceX, sourceY, frameWidth[image], frameHeight[image], scaleX, scaleY, colour,
                              centre, rotation);
}

// A frame outside the grid is counted. One in a last row that the picture
// holds only in part still draws what there is of it, cut at the edge.
int SpriteSheet::DrawPastGrid(int image, int frame, float x, float y, uint32_t colour, float scaleX, float scaleY,
                              int centre, float rotation) {
    ++drawsPastGrid_;
    lastPastGrid_ = {image, frame, frameWidth[image], frameHeight[image], images[image].Width(), images[image].Height()};
    if (frame < 0) return 0;
    const int perRow = framesPerRow[image];
    const int64_t row = frame / perRow;
    if (row * frameHeight[image] >= images[image].Height()) return 0;  // past the last row
    const int sourceX = (frame % perRow) * frameWidth[image];
    const int sourceY = static_cast<int>(row) * frameHeight[image];
    return images[image].Draw(x, y, sourceX, sourceY, frameWidth[image], frameHeight[image], scaleX, scaleY, colour,
                              centre, rotation);
}
