#pragma once
#include <string>

struct SDL_Renderer;

// `--renderer=software` (or opengl, opengles2...) picks SDL's renderer, as
// SDL_RENDER_DRIVER in the environment does; the argument wins and is taken
// out of the list. Unless the environment says otherwise the programs run
// headless (offscreen video, silent audio).
void ChooseRenderer(int& argc, char** argv);

// The renderer's name, for the report's context.
std::string RendererName(SDL_Renderer* renderer);

// Returns once the renderer has drawn all it was asked to: reading back a
// pixel makes a GL driver finish the picture first, where a flush only
// hands it on, and its drawing would run on into the next timed block.
void WaitForRenderer(SDL_Renderer* renderer);
