#include <gtest/gtest.h>

#include <string>

#include "platform/renderer_choice.h"

namespace {

using Outcome = RendererReport::Outcome;

RendererReport Report(Outcome outcome, const std::string& renderer, const std::string& gl) {
    RendererReport report;
    report.outcome = outcome;
    report.renderer = renderer;
    report.glRenderer = gl;
    return report;
}

struct ChoiceCase {
    const char* what;
    bool named;
    RendererReport report;
    RendererKind kind;
};

}  // namespace

TEST(RendererChoice, NamedDriverWinsThenAGpuGetsTheAcceleratedRendererAndAllElseSoftware) {
    const std::string gpu = "Example GPU 3000 (DRM 3.49)";
    const ChoiceCase cases[] = {
        {"named over a GPU", true, Report(Outcome::Answered, "opengl", gpu), RendererKind::Named},
        {"named with no answer", true, Report(Outcome::Failed, "", ""), RendererKind::Named},
        {"a GPU", false, Report(Outcome::Answered, "opengl", gpu), RendererKind::Accelerated},
        {"an accelerated renderer not on GL", false, Report(Outcome::Answered, "direct", ""),
         RendererKind::Accelerated},
        {"llvmpipe", false, Report(Outcome::Answered, "opengl", "llvmpipe (LLVM 15.0.6, 256 bits)"),
         RendererKind::Software},
        {"softpipe", false, Report(Outcome::Answered, "opengles2", "softpipe"), RendererKind::Software},
        {"swrast", false, Report(Outcome::Answered, "opengl", "Mesa swrast"), RendererKind::Software},
        {"an old software rasteriser", false, Report(Outcome::Answered, "opengl", "Software Rasterizer"),
         RendererKind::Software},
        {"no accelerated renderer", false, Report(Outcome::Answered, "", ""), RendererKind::Software},
        {"the child failed", false, Report(Outcome::Failed, "opengl", gpu), RendererKind::Software},
        {"the child took too long", false, Report(Outcome::TimedOut, "opengl", gpu), RendererKind::Software},
        {"no GPU device to ask about", false, Report(Outcome::NoGpuDevice, "", ""), RendererKind::Software},
    };
    for (const ChoiceCase& c : cases) EXPECT_EQ(ChooseRenderer(c.named, c.report), c.kind) << c.what;
}

TEST(RendererChoice, ReplyCarriesBothNamesAndAnythingElseIsAFailure) {
    const RendererReport full = ParseRendererReply(FormatRendererReply("opengl", "llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_EQ(full.outcome, Outcome::Answered);
    EXPECT_EQ(full.renderer, "opengl");
    EXPECT_EQ(full.glRenderer, "llvmpipe (LLVM 15.0.6, 256 bits)");

    const RendererReport none = ParseRendererReply(FormatRendererReply("", ""));
    EXPECT_EQ(none.outcome, Outcome::Answered) << "no renderer is an answer too";
    EXPECT_EQ(none.renderer, "");

    const std::string whole = FormatRendererReply("opengl", "Example GPU");
    const std::string broken[] = {
        "",
        whole.substr(0, whole.size() - 1),       // cut before its end
        whole.substr(0, whole.find('\n') + 1),  // the GL line missing
        "gl:Example GPU\nrenderer:opengl\n",     // lines swapped
        "opengl\nExample GPU\n",                 // no tags
    };
    for (const std::string& reply : broken) {
        const RendererReport report = ParseRendererReply(reply);
        EXPECT_EQ(report.outcome, Outcome::Failed) << "[" << reply << "]";
        EXPECT_EQ(report.renderer, "") << "[" << reply << "]";
    }
}
