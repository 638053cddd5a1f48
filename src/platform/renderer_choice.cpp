#include "platform/renderer_choice.h"

namespace {

constexpr char kRendererTag[] = "renderer:";
constexpr char kGlTag[] = "gl:";

// Names a GL driver gives itself when it draws on the processor. Behind such
// a driver the GL renderer costs several times the software one in CPU time.
constexpr const char* kSoftwareRasterisers[] = {"llvmpipe", "softpipe", "swrast", "Software Rasterizer",
                                                "Software Renderer", "GDI Generic"};

// The rest of `line` after `tag`, or false when the line does not start with it.
bool TakeTagged(const std::string& line, const char* tag, std::string& value) {
    const std::string prefix(tag);
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    value = line.substr(prefix.size());
    return true;
}

}  // namespace

std::string FormatRendererReply(const std::string& renderer, const std::string& glRenderer) {
    return kRendererTag + renderer + "\n" + kGlTag + glRenderer + "\n";
}

RendererReport ParseRendererReply(const std::string& reply) {
    RendererReport report;
    const size_t first = reply.find('\n');
    const size_t second = first == std::string::npos ? first : reply.find('\n', first + 1);
    if (second == std::string::npos) return report;
    if (!TakeTagged(reply.substr(0, first), kRendererTag, report.renderer) ||
        !TakeTagged(reply.substr(first + 1, second - first - 1), kGlTag, report.glRenderer)) {
        return RendererReport{};
    }
    report.outcome = RendererReport::Outcome::Answered;
    return report;
}

bool NamesSoftwareRasteriser(const std::string& glRenderer) {
    for (const char* name : kSoftwareRasterisers)
        if (glRenderer.find(name) != std::string::npos) return true;
    return false;
}

RendererKind ChooseRenderer(bool named, const RendererReport& report) {
    if (named) return RendererKind::Named;
    if (report.outcome != RendererReport::Outcome::Answered || report.renderer.empty()) return RendererKind::Software;
    return NamesSoftwareRasteriser(report.glRenderer) ? RendererKind::Software : RendererKind::Accelerated;
}
