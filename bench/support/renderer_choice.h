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
