#pragma once
#include <cstdint>

#include "platform/graphics_device.h"

class Texture;

// A vertex as the game's vertex buffers lay it out (24 bytes): position,
// diffuse ARGB, texture coordinates.
struct MeshVertex {
    float x, y, z;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(MeshVertex) == 24, "vertex layout of the game's buffers");

// The most vertices one DrawMesh call takes (the rings use 120).
constexpr int kMaxMeshVertices = 3072;

// A vertex taken through world x view x projection of the device and mapped
// to its back buffer. False when it lies behind the near plane.
bool ProjectVertex(const GraphicsDevice& graphics, const Matrix4& world, float x, float y, float z, float& screenX,
                   float& screenY);

// Draws a triangle list (count a multiple of 3, at most kMaxMeshVertices)
// with the texture modulated by the vertex colours. Triangles with a corner
// behind the near plane are dropped. Allocates nothing.
int DrawMesh(GraphicsDevice* graphics, const Matrix4& world, const MeshVertex* vertices, int count,
             const Texture* texture);
