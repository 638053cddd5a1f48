#pragma once
#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;
union SDL_Event;
class Camera;
class SoftwareCanvas;
class TextureAtlas;
struct Image;

// Blend factors keep the values the game passes (D3DBLEND_*).
enum BlendFactor : uint32_t {
    kBlendZero = 1,
    kBlendOne = 2,
    kBlendSrcColor = 3,
    kBlendInvSrcColor = 4,
    kBlendSrcAlpha = 5,
    kBlendInvSrcAlpha = 6,
};

// Pixel formats keep the values the game passes (D3DFMT_*).
enum PixelFormat : uint32_t {
    kFormatUnknown = 0,
    kFormatR8G8B8 = 20,
    kFormatA8R8G8B8 = 21,
    kFormatX8R8G8B8 = 22,
    kFormatR5G6B5 = 23,
    kFormatX1R5G5B5 = 24,
    kFormatA1R5G5B5 = 25,
    kFormatA4R4G4B4 = 26,
    kFormatA8P8 = 40,
    kFormatP8 = 41,
};

// What TestCooperativeLevel answers.
enum class DeviceState { Usable, Lost, NotReset };

struct Matrix4 {
    float m[4][4];
};

// The one rendering device: an SDL renderer standing in for the Direct3D
// device and its sprite object. "Hardware" is the accelerated renderer,
// "reference" the software one. The accelerated one is taken unless its GL
// driver draws on the processor, where the software one costs less; a child
// process finds that out, so that a driver only asked never stays loaded.
// SDL_RENDER_DRIVER, when set, picks the renderer outright. On the
// software renderer the game draws into a surface in memory (Device() is a
// software renderer over it), so that the sprite and mesh drawing can write
// its pixels directly; Present stretches it straight into the window's pixels.
class GraphicsDevice {
public:
    GraphicsDevice();
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    int CreateDirect3D();
    int Create(SDL_Window* window, int windowed, int depthBuffer, int width, int height, int bitsPerPixel);
    int Release();
    // Drops the renderer only (the title scene's switch to full screen).
    int ReleaseDevice();
    SDL_Renderer* Device() const { return renderer_; }

    static int FormatBits(uint32_t format);
    // Counts renderers destroyed in this process. Textures remember the count
    // they were made under: once it moves on, SDL has already freed them.
    static uint32_t RendererGeneration();

    int BeginScene();
    int EndScene();
    int Present();
    int Clear(uint32_t colour, float depth);
    int ClearTarget(uint32_t colour);

    int SetViewTransform(Camera* camera);
    int SetAmbient(uint8_t red, uint8_t green, uint8_t blue);
    int SetProjection(float fieldOfView, float aspect, float nearZ, float farZ);
    int SetLighting(int flag);
    int SetZEnable(int flag);
    int SetAlphaBlend(int flag, uint32_t sourceBlend, uint32_t destBlend);
    int SetAlphaTest(int flag);

    // Device loss protocol driven by GameApp.
    DeviceState TestCooperativeLevel();
    int Reset();
    // Test hook: forces the next answers of TestCooperativeLevel.
    void ForceState(DeviceState state);

    // Back buffer to a PNG file (tests and the game driver).
    int SaveScreenshot(const char* path);
    // Back buffer as ARGB pixels, alpha forced opaque.
    int ReadBackBuffer(Image& out);

    // Everything is drawn into a width x height back buffer; Present scales it
    // into the window (letterboxed), so screenshots are always back-buffer sized.
    // On the software renderer the back buffer is a surface in memory, and the
    // canvas draws sprites and triangles into it directly (null on others).
    SoftwareCanvas* Canvas() const { return canvasOn_ ? canvas_.get() : nullptr; }
    // Test hook: with the canvas off, sprites on the software renderer go
    // through SDL's renderer, the picture the canvas must give.
    void UseCanvas(bool on) { canvasOn_ = on; }
    // Test hook: with it off, the software back buffer reaches the window
    // through the window's renderer, the picture the direct way must give.
    void UseDirectPresent(bool on) { directPresent_ = on; }
    bool LastPresentWasDirect() const { return lastPresentDirect_; }
    // What the GL driver called itself when the device was made without a
    // renderer named in SDL_RENDER_DRIVER (empty if none was asked).
    const std::string& GlRenderer() const { return glRenderer_; }
    // The pages the sprite sheets' pictures are packed into.
    TextureAtlas& Atlas() { return *atlas_; }
    // True when Present waits on the clock itself to hold 60 frames a second.
    bool PacesFrames() const { return paced_; }
    // The longest single wait pacing asked for, in whole ms, and how many it made.
    uint32_t LongestPacingWaitMs() const { return longestPacingWaitMs_; }
    uint32_t PacingWaits() const { return pacingWaits_; }
    int AlphaBlendEnabled() const { return alphaBlend_; }
    int LightingEnabled() const { return lighting_; }

    const Matrix4& ViewMatrix() const { return view_; }
    const Matrix4& ProjectionMatrix() const { return projection_; }
    int AlphaTestEnabled() const { return alphaTest_; }

    // Fields of the original device that the game reads.
    SDL_Window* window = nullptr;
    int windowed = 1;
    int depthBuffer = 0;
    int hardware = 0;
    int width = 0;
    int height = 0;
    uint8_t ambientRed = 255, ambientGreen = 255, ambientBlue = 255;
    uint8_t bitsPerPixel = 0;
    uint8_t createDevice = 1;

private:
    int CreateRenderer();
    int CreateBackBuffer();
    int CreateMemoryBackBuffer();
    void ReleaseBackBuffer();
    void ApplySetup();
    void PaceFrame();
    bool PresentToWindowSurface();
    static int WatchEvents(void* self, SDL_Event* event);

    SDL_Renderer* renderer_ = nullptr;        // what the game draws with
    SDL_Renderer* windowRenderer_ = nullptr;  // the window's; the same as renderer_ unless software
    SDL_Texture* backBuffer_ = nullptr;       // window renderer's: the target, or the software frame's copy
    SDL_Surface* memory_ = nullptr;           // the software back buffer
    SDL_Surface* memoryView_ = nullptr;       // its pixels in the window's format
    std::unique_ptr<SoftwareCanvas> canvas_;
    bool canvasOn_ = true;
    bool directPresent_ = true;
    bool lastPresentDirect_ = false;
    std::string glRenderer_;
    std::unique_ptr<TextureAtlas> atlas_;
    bool videoReady_ = false;
    bool watching_ = false;
    bool paced_ = true;
    int lighting_ = 0;
    int displayRefresh_ = 0;
    double nextPresentMs_ = 0.0;
    uint32_t longestPacingWaitMs_ = 0;
    uint32_t pacingWaits_ = 0;
    Matrix4 view_{};
    Matrix4 projection_{};
    int alphaTest_ = 0;
    int alphaBlend_ = 0;
    DeviceState forced_ = DeviceState::Usable;
    bool forcedActive_ = false;
    bool lost_ = false;
};
