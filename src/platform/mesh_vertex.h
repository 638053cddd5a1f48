#pragma once
#include <cstdint>

// A vertex as the game's vertex buffers lay it out (24 bytes): position,
// diffuse ARGB, texture coordinates. Apart from the renderer, so that the
// tables that hold vertices need not see the device.
struct MeshVertex {
    float x, y, z;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(MeshVertex) == 24, "vertex layout of the game's buffers");
