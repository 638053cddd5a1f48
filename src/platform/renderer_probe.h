#pragma once
#include "platform/renderer_choice.h"

struct SDL_Renderer;
struct SDL_Window;

// True when SDL_RENDER_DRIVER names the renderer to use.
bool RenderDriverNamed();

// Starts finding out, in a child process, what drives the accelerated
// renderer, so that a GL driver loaded only to ask never stays in this
// process. Only while video is not started here (the child must not share
// the display connection), nothing named, and nothing asked yet.
void StartRendererProbe();
// The child's report, waited for the first time (at most a few seconds) and
// kept for the process. Failed when no child could be asked.
RendererReport RendererProbeReport();

// The accelerated renderer, asked for the same way the child asks.
SDL_Renderer* CreateAcceleratedRenderer(SDL_Window* window);
// What the GL driver behind a renderer calls itself; empty if it is not GL.
// The renderer's context must be the current one (just after it is made).
std::string GlRendererString(SDL_Renderer* renderer);
