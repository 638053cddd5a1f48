#pragma once
#include <cstdint>

#include "platform/graphics_device.h"
#include "platform/mesh_vertex.h"

class Texture;

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
