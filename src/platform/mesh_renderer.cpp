#include "platform/mesh_renderer.h"

#include <SDL.h>

#include "platform/graphics_device.h"
#include "platform/matrix4.h"
#include "platform/software_canvas.h"
#include "platform/texture.h"

namespace {

// Clip-space z below 0 is nearer than the near plane; w at or below 0 is behind the eye.
bool ToScreen(const Matrix4& all, float x, float y, float z, int width, int height, float& sx, float& sy) {
    Vector4 clip = TransformPoint(x, y, z, all);
    if (clip.w <= 0.0f || clip.z < 0.0f) return false;
    sx = (clip.x / clip.w + 1.0f) * 0.5f * static_cast<float>(width);
    sy = (1.0f - clip.y / clip.w) * 0.5f * static_cast<float>(height);
    return true;
}

Matrix4 WorldViewProjection(const GraphicsDevice& graphics, const Matrix4& world) {
    return MatrixMultiply(MatrixMultiply(world, graphics.ViewMatrix()), graphics.ProjectionMatrix());
}

SDL_Vertex g_screenVertices[kMaxMeshVertices];

}  // namespace

bool ProjectVertex(const GraphicsDevice& graphics, const Matrix4& world, float x, float y, float z, float& screenX,
                   float& screenY) {
    return ToScreen(WorldViewProjection(graphics, world), x, y, z, graphics.width, graphics.height, screenX, screenY);
}

int DrawMesh(GraphicsDevice* graphics, const Matrix4& world, const MeshVertex* vertices, int count,
             const Texture* texture) {
    if (!graphics || !graphics->Device() || !vertices || count < 0 || count > kMaxMeshVertices) return 0;
    const bool textured = texture && texture->Width() > 0 && texture->Alive();
    // Texture coordinates span the picture, which may sit inside a larger texture.
    float u0 = 0.0f, v0 = 0.0f, uScale = 1.0f, vScale = 1.0f;
    if (textured) {
        u0 = static_cast<float>(texture->originX) / texture->TextureWidth();
        v0 = static_cast<float>(texture->originY) / texture->TextureHeight();
        uScale = static_cast<float>(texture->width) / texture->TextureWidth();
        vScale = static_cast<float>(texture->height) / texture->TextureHeight();
    }
    const Matrix4 all = WorldViewProjection(*graphics, world);
    int kept = 0;
    for (int t = 0; t + 2 < count; t += 3) {
        SDL_Vertex* out = g_screenVertices + kept;
        bool visible = true;
        for (int k = 0; k < 3 && visible; ++k) {
            const MeshVertex& v = vertices[t + k];
            visible = ToScreen(all, v.x, v.y, v.z, graphics->width, graphics->height, out[k].position.x,
                               out[k].position.y);
            out[k].color = SDL_Color{static_cast<uint8_t>(v.colour >> 16), static_cast<uint8_t>(v.colour >> 8),
                                     static_cast<uint8_t>(v.colour), static_cast<uint8_t>(v.colour >> 24)};
            out[k].tex_coord = SDL_FPoint{u0 + v.u * uScale, v0 + v.v * vScale};
        }
        if (visible) kept += 3;
    }
    if (kept == 0) return 1;
    SoftwareCanvas* canvas = graphics->Canvas();
    if (canvas && textured && canvas->DrawTriangles(*texture, g_screenVertices, kept)) return 1;
    SDL_Texture* sdlTexture = textured ? texture->texture : nullptr;
    if (sdlTexture) {
        SDL_SetTextureColorMod(sdlTexture, 255, 255, 255);
        SDL_SetTextureAlphaMod(sdlTexture, 255);
    }
    return SDL_RenderGeometry(graphics->Device(), sdlTexture, g_screenVertices, kept, nullptr, 0) == 0 ? 1 : 0;
}
