#pragma once
#include <string>

#include "platform/renderer_choice.h"

struct SDL_Renderer;
struct SDL_Window;

// True when SDL_RENDER_DRIVER names the renderer to use.
bool RenderDriverNamed();

// Starts finding out, in a child process, what drives the accelerated
// renderer, so that a GL driver loaded only to ask never stays in this
// process. Only while video is not started here (the child must not share
// the display connection), nothing named, and nothing asked yet. Without a
// GPU device the answer is known at once: nothing but the processor draws.
void StartRendererProbe();
// The child's report, waited for the first time (at most a few seconds) and
// kept for the process. Failed when no child could be asked.
RendererReport RendererProbeReport();

// True when `deviceRoot` (/dev) has a node a GPU is driven through: a DRM
// render node, or the control device of NVIDIA's own driver.
bool HasGpuDevice(const std::string& deviceRoot);
// Test hooks: where StartRendererProbe looks for GPU devices, and a process
// that has asked nothing yet.
void SetGpuDeviceRoot(const std::string& deviceRoot);
void ForgetRendererReport();

// The accelerated renderer, asked for the same way the child asks.
SDL_Renderer* CreateAcceleratedRenderer(SDL_Window* window);
// What the GL driver behind a renderer calls itself; empty if it is not GL.
// The renderer's context must be the current one (just after it is made).
std::string GlRendererString(SDL_Renderer* renderer);
