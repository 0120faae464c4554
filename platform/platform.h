// The platform boundary: everything the game needs from the window system,
// the renderer, the font rasteriser and the operating system, as one table
// of function pointers installed at start-up.
//
// No SDL type appears here. The SDL implementation (platform/*.cpp) fills
// the table for the real program; the null implementation inside gemcore
// (graphics/null_platform.cpp) fills it for tests and records what was
// drawn. Coordinates are back-buffer pixels; colours are 32-bit ARGB.
#pragma once

#include <cstdint>
#include <string>

constexpr int MAX_SCREEN_SLOTS = 11;   // screen-save surfaces 0..10
constexpr int KEY_CODES = 256;         // Input.Keys is indexed by key code

// Key codes: letters and digits are their upper-case character codes, so
// a character of a typed code names its own key.
enum KeyCode : int {
    KEY_BACKSPACE = 8,
    KEY_TAB = 9,
    KEY_RETURN = 13,
    KEY_SHIFT = 16,
    KEY_CONTROL = 17,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_PAGEUP = 33,
    KEY_PAGEDOWN = 34,
    KEY_END = 35,
    KEY_HOME = 36,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_DELETE = 46,
    KEY_NUMPAD0 = 96,
    KEY_F1 = 112,   // F1..F12 are 112..123
    KEY_F12 = 123,
};

// Mouse buttons as Input.Buttons indexes.
enum MouseButton : int { BUTTON_LEFT = 1, BUTTON_RIGHT = 2, BUTTON_COUNT = 4 };

// Pixel formats of display modes, by the codes the mode list filters on.
enum PixelFormatCode : int {
    FORMAT_OTHER = 0,
    FORMAT_R8G8B8 = 20,
    FORMAT_A8R8G8B8 = 21,
    FORMAT_X8R8G8B8 = 22,
};

// Device status answered before each present or screen copy.
enum DeviceStatusCode : int {
    DEVICE_OK = 0,
    DEVICE_LOST = 1,          // lost and not yet resettable
    DEVICE_RESETTABLE = 2,    // lost, and a reset may be tried now
    DEVICE_ABSENT = 3,
};

// Filters for resizing a picture to its requested texture size.
enum TextureFilter : int { FILTER_DEFAULT = 0, FILTER_NEAREST = 1, FILTER_LINEAR = 2 };

// Frame elements of the game window.
enum WindowFrameFlag : uint32_t {
    FRAME_TITLEBAR = 1u << 0,
    FRAME_SIZABLE = 1u << 1,
    FRAME_CONTROLBOX = 1u << 2,
    FRAME_MAXBUTTON = 1u << 3,
    FRAME_MINBUTTON = 1u << 4,
    FRAME_TOOLWINDOW = 1u << 5,
    FRAME_WHATSTHIS = 1u << 6,
};

// Text placement flags of DrawText.
enum TextAlignFlag : int {
    TEXT_LEFT = 0,
    TEXT_CENTRE = 1,
    TEXT_RIGHT = 2,
    TEXT_VCENTRE = 4,
};

// One sprite draw: the source rectangle of the texture (texels), scaled,
// rotated clockwise about the centre (scaled pixels from the picture's
// top-left), moved to the translation and modulated by the colour.
struct SpriteDraw {
    int32_t SrcLeft = 0, SrcTop = 0, SrcRight = 0, SrcBottom = 0;
    float ScaleX = 1, ScaleY = 1;
    float CentreX = 0, CentreY = 0;
    float Rotation = 0;
    float TransX = 0, TransY = 0;
    uint32_t Colour = 0xFFFFFFFFu;
};

// A transformed, lit vertex: pixel position, colours, texture coordinates.
struct QuadVertex {
    float X = 0, Y = 0, Z = 0, Rhw = 1;
    uint32_t Diffuse = 0xFFFFFFFFu;
    uint32_t Specular = 0;
    float Tu = 0, Tv = 0;
};

struct DisplayModeInfo {
    int32_t Width = 0, Height = 0, RefreshRate = 0, Format = FORMAT_OTHER;
};

// What the device is created with.
struct DeviceParams {
    int32_t Width = 0, Height = 0;   // back buffer
    bool Windowed = true;
    bool Reference = false;          // the software renderer
};

// The polled input state. The window fills it at every message pump; the
// automation harness fills it instead when a script drives the program.
struct InputState {
    bool Keys[KEY_CODES] = {};
    bool Buttons[BUTTON_COUNT] = {};
    int32_t PointerX = 0, PointerY = 0;   // back-buffer pixels
    std::string Typed;                    // characters typed into the hidden text field
    bool CloseRequested = false;          // the window's close control was used
    bool Active = true;                   // the window has the focus
    bool Minimised = false;
    bool Resized = false;                 // the user changed the window size
};

struct PlatformApi {
    const char* Name = "none";

    // Display.
    bool (*GetDesktopMode)(DisplayModeInfo* out);
    int (*GetModeCount)();
    bool (*GetMode)(int index, DisplayModeInfo* out);
    bool (*IsHardwareAvailable)();

    // The game window (created hidden before the device).
    void (*SetWindowFrame)(uint32_t flags);
    uint32_t (*GetWindowFrame)();
    void (*SetWindowOuterSize)(int width, int height);
    void (*GetWindowOuterSize)(int* width, int* height);
    void (*GetWindowClientSize)(int* width, int* height);
    void (*SetWindowPosition)(int left, int top);
    void (*SetWindowMaximised)(bool maximised);
    bool (*IsWindowMaximised)();
    void (*SetWindowTopMost)(bool topMost);
    bool (*IsWindowTopMost)();
    void (*ShowWindow)();
    void (*ShowSystemCursor)(bool visible);

    // The device: renderer and back buffer.
    bool (*CreateDevice)(const DeviceParams& params);
    bool (*ResetDevice)(const DeviceParams& params);
    void (*ReleaseDevice)();
    int (*GetDeviceStatus)();

    // Textures by handle (0 is no texture). Loading decodes the file and
    // resizes it to width x height; 0 on failure.
    int (*LoadTexture)(const char* fullPath, int width, int height, int filter);
    void (*FreeTexture)(int texture);

    // Drawing into the back buffer.
    void (*Clear)(uint32_t argb);
    void (*DrawSprite)(int texture, const SpriteDraw& sprite);
    void (*DrawQuad)(int texture, const QuadVertex vertices[4]);   // TL, TR, BL, BR
    void (*Present)();
    bool (*CreateScreenSlot)(int slot);
    void (*ReleaseScreenSlots)();
    bool (*CopyScreen)(int slot, bool save);   // save: back buffer -> slot
    bool (*SaveScreenshot)(const char* fullPath);

    // System fonts.
    int (*CreateFont)(const char* face, int pixelHeight, bool bold);
    void (*MeasureText)(int font, const char* text, int* width, int* height);
    void (*DrawText)(int font, const char* text, int left, int top, int right, int bottom,
                     uint32_t argb, int alignFlags);

    // Input and the hidden text field.
    void (*PumpMessages)(InputState* input);
    void (*StartTextInput)();
    void (*StopTextInput)();

    // Operating system.
    double (*CounterMs)();
    void (*SleepMs)(double ms);
};

// The installed platform and the input record.
extern PlatformApi Platform;
extern InputState Input;

void InstallPlatform(const PlatformApi& api);
// The recording null platform of graphics/null_platform.h.
void InstallNullPlatform();
