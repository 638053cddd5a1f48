#pragma once
#include <cstdint>
#include <memory>

#include "frontend/galaxy_animation.h"
#include "frontend/menu_backdrop.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"

// What the front-end scenes share across their visits: the animated menu
// backdrop, made by the first scene that shows it, and the galaxy
// interlude's animation, whose background the ending draws too. GameApp
// cannot hold them (the shell sits below the front end), so the table of
// scenes owns one of each and hands them to the front-end scenes. A scene
// that draws one releases and reloads its art with its own; the story drops
// both when it is left.
struct FrontEndShared {
    std::unique_ptr<MenuBackdrop> backdrop;
    // Frames the title has run (a byte): seeds the backdrop's headings.
    uint8_t titleFrames = 0;
    std::unique_ptr<GalaxyAnimation> galaxy;
};

// True when a picture of the sheet was made by a device that has been reset
// since. The shared objects outlive the scenes that draw them, and a reset
// in any other scene leaves their art dead; the next scene to draw one
// reloads it.
inline bool ArtFromOldDevice(const SpriteSheet* sheet) {
    if (!sheet) return false;
    const uint32_t current = GraphicsDevice::RendererGeneration();
    for (int i = 0; i < sheet->imageCount; ++i) {
        const uint32_t made = sheet->images[i].generation;
        if (made != 0 && made != current) return true;
    }
    return false;
}
