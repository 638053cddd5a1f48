#pragma once
#include <string>

// What a short-lived child process found out about the accelerated renderer:
// the SDL renderer it got (empty if none) and the name the GL driver behind
// it gave itself (empty if it is not GL).
struct RendererReport {
    // NoGpuDevice: nothing was asked, as no device a GPU is driven through exists.
    enum class Outcome { Answered, Failed, TimedOut, NoGpuDevice };
    Outcome outcome = Outcome::Failed;
    std::string renderer;
    std::string glRenderer;
};

enum class RendererKind {
    Named,        // SDL_RENDER_DRIVER picks it
    Accelerated,  // a GPU draws
    Software,     // we draw into memory ourselves
};

// The child's reply, one line each for the renderer and the GL name.
std::string FormatRendererReply(const std::string& renderer, const std::string& glRenderer);
// An answer when the reply has both lines, Failed otherwise.
RendererReport ParseRendererReply(const std::string& reply);

// True when the GL name is one a driver drawing on the processor gives.
bool NamesSoftwareRasteriser(const std::string& glRenderer);

// The renderer to make: the named one when SDL_RENDER_DRIVER names one, the
// accelerated one when a GPU stands behind it, the software one otherwise
// (also when the child failed or did not answer in time, or was never asked).
RendererKind ChooseRenderer(bool named, const RendererReport& report);
