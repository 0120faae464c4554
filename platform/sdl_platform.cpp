// The window, the renderer with its back buffer, drawing, presenting,
// screen copies, screenshots and input on SDL2.
#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl_resources.h"

namespace {

constexpr double PI = 3.14159265358979323846;

struct SdlState {
    SdlPlatformOptions options;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* headlessSurface = nullptr;   // the software renderer's output when headless
    SDL_Texture* backBuffer = nullptr;
    SDL_Texture* slots[MAX_SCREEN_SLOTS] = {};
    DeviceParams device;
    int deviceStatus = DEVICE_ABSENT;
    bool rendererLost = false;   // the renderer lost its textures: rebuild them at reset
    uint32_t frame = FRAME_TITLEBAR | FRAME_CONTROLBOX;
    // The window as a headless run keeps it: sizes and flags only.
    int fakeW = 640, fakeH = 480, fakeLeft = 0, fakeTop = 0;
    bool fakeMaximised = false, fakeTopMost = false;
};

SdlState sdl;

void ApplyColour(SDL_Texture* t, uint32_t argb) {
    SDL_SetTextureColorMod(t, (argb >> 16) & 255, (argb >> 8) & 255, argb & 255);
    SDL_SetTextureAlphaMod(t, argb >> 24);
}

// Display.

bool GetDesktopMode(DisplayModeInfo* out) {
    if (sdl.options.headless) {
        *out = DisplayModeInfo{sdl.options.desktopWidth, sdl.options.desktopHeight, 60, FORMAT_X8R8G8B8};
        return true;
    }
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) != 0) return false;
    *out = DisplayModeInfo{m.w, m.h, m.refresh_rate, FORMAT_X8R8G8B8};
    return true;
}

// The modes a headless run lists: the usual sizes that fit its desktop,
// and the desktop itself.
const int headlessModes[][2] = {{640, 480},  {800, 600},   {1024, 768},  {1280, 720}, {1280, 1024},
                                {1366, 768}, {1600, 900},  {1600, 1200}, {1920, 1080}, {1920, 1200},
                                {2560, 1440}, {3840, 2160}};

std::vector<DisplayModeInfo> HeadlessModes() {
    std::vector<DisplayModeInfo> modes;
    for (auto& m : headlessModes)
        if (m[0] <= sdl.options.desktopWidth && m[1] <= sdl.options.desktopHeight)
            modes.push_back(DisplayModeInfo{m[0], m[1], 60, FORMAT_X8R8G8B8});
    modes.push_back(DisplayModeInfo{sdl.options.desktopWidth, sdl.options.desktopHeight, 60, FORMAT_X8R8G8B8});
    return modes;
}

int FormatCode(uint32_t format) {
    switch (format) {
        case SDL_PIXELFORMAT_RGB24: return FORMAT_R8G8B8;
        case SDL_PIXELFORMAT_ARGB8888: return FORMAT_A8R8G8B8;
        case SDL_PIXELFORMAT_RGB888: return FORMAT_X8R8G8B8;   // 32-bit XRGB
        default: return FORMAT_OTHER;
    }
}

int GetModeCount() {
    if (sdl.options.headless) return int(HeadlessModes().size());
    int n = SDL_GetNumDisplayModes(0);
    return n < 0 ? 0 : n;
}

bool GetMode(int index, DisplayModeInfo* out) {
    if (sdl.options.headless) {
        std::vector<DisplayModeInfo> modes = HeadlessModes();
        if (index < 0 || index >= int(modes.size())) return false;
        *out = modes[index];
        return true;
    }
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, index, &m) != 0) return false;
    *out = DisplayModeInfo{m.w, m.h, m.refresh_rate, FormatCode(m.format)};
    return true;
}

bool IsHardwareAvailable() {
    if (sdl.options.headless) return false;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED)) return true;
    }
    return false;
}

// Window.

void Borders(int* top, int* left, int* bottom, int* right) {
    *top = *left = *bottom = *right = 0;
    if (sdl.window && (sdl.frame & FRAME_TITLEBAR)) SDL_GetWindowBordersSize(sdl.window, top, left, bottom, right);
}

void SetWindowFrame(uint32_t flags) {
    sdl.frame = flags;
    if (!sdl.window) return;
    SDL_SetWindowBordered(sdl.window, (flags & FRAME_TITLEBAR) ? SDL_TRUE : SDL_FALSE);
    SDL_SetWindowResizable(sdl.window, (flags & FRAME_SIZABLE) ? SDL_TRUE : SDL_FALSE);
}

uint32_t GetWindowFrame() { return sdl.frame; }

void SetWindowOuterSize(int w, int h) {
    if (!sdl.window) {
        sdl.fakeW = w;
        sdl.fakeH = h;
        return;
    }
    int t, l, b, r;
    Borders(&t, &l, &b, &r);
    int cw = w - l - r, ch = h - t - b;
    if (cw > 0 && ch > 0) SDL_SetWindowSize(sdl.window, cw, ch);
}

void GetWindowClientSize(int* w, int* h) {
    if (!sdl.window) {
        *w = sdl.fakeW;
        *h = sdl.fakeH;
        return;
    }
    SDL_GetWindowSize(sdl.window, w, h);
}

void GetWindowOuterSize(int* w, int* h) {
    GetWindowClientSize(w, h);
    int t, l, b, r;
    Borders(&t, &l, &b, &r);
    *w += l + r;
    *h += t + b;
}

void SetWindowPosition(int left, int top) {
    if (!sdl.window) {
        sdl.fakeLeft = left;
        sdl.fakeTop = top;
        return;
    }
    int t, l, b, r;
    Borders(&t, &l, &b, &r);
    SDL_SetWindowPosition(sdl.window, left + l, top + t);
}

void SetWindowMaximised(bool maximised) {
    if (!sdl.window) {
        sdl.fakeMaximised = maximised;
        return;
    }
    if (maximised)
        SDL_MaximizeWindow(sdl.window);
    else
        SDL_RestoreWindow(sdl.window);
}

bool IsWindowMaximised() {
    if (!sdl.window) return sdl.fakeMaximised;
    return (SDL_GetWindowFlags(sdl.window) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN_DESKTOP)) != 0;
}

void SetWindowTopMost(bool on) {
    sdl.fakeTopMost = on;
    if (sdl.window) SDL_SetWindowAlwaysOnTop(sdl.window, on ? SDL_TRUE : SDL_FALSE);
}

bool IsWindowTopMost() {
    if (!sdl.window) return sdl.fakeTopMost;
    return (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_ALWAYS_ON_TOP) != 0;
}

void ShowWindow() {
    if (sdl.window) SDL_ShowWindow(sdl.window);
}

void ShowSystemCursor(bool visible) {
    if (sdl.window) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

// Device.

void ReleaseTargets() {
    for (SDL_Texture*& s : sdl.slots) {
        if (s) SDL_DestroyTexture(s);
        s = nullptr;
    }
    if (sdl.backBuffer) SDL_DestroyTexture(sdl.backBuffer);
    sdl.backBuffer = nullptr;
}

SDL_Texture* CreateTarget(int w, int h) {
    SDL_Texture* t = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (t) SDL_SetTextureScaleMode(t, SDL_ScaleModeLinear);
    return t;
}

bool CreateBackBuffer(const DeviceParams& p) {
    ReleaseTargets();
    sdl.backBuffer = CreateTarget(p.Width, p.Height);
    if (!sdl.backBuffer) return false;
    SDL_SetRenderTarget(sdl.renderer, sdl.backBuffer);
    SDL_SetRenderDrawBlendMode(sdl.renderer, SDL_BLENDMODE_NONE);
    return true;
}

void ApplyWindowMode(const DeviceParams& p) {
    if (!sdl.window) return;
    SDL_SetWindowFullscreen(sdl.window, p.Windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool CreateRenderer(const DeviceParams& p) {
    if (sdl.options.headless) {
        sdl.headlessSurface = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_ARGB8888);
        if (!sdl.headlessSurface) return false;
        sdl.renderer = SDL_CreateSoftwareRenderer(sdl.headlessSurface);
        return sdl.renderer != nullptr;
    }
    uint32_t flags = SDL_RENDERER_TARGETTEXTURE;
    if (p.Reference) {
        flags |= SDL_RENDERER_SOFTWARE;
    } else {
        flags |= SDL_RENDERER_ACCELERATED;
        if (sdl.options.vsync) flags |= SDL_RENDERER_PRESENTVSYNC;
    }
    sdl.renderer = SDL_CreateRenderer(sdl.window, -1, flags);
    return sdl.renderer != nullptr;
}

void DestroyRenderer() {
    ReleaseTargets();
    ReleaseRendererResources();
    if (sdl.renderer) SDL_DestroyRenderer(sdl.renderer);
    sdl.renderer = nullptr;
    if (sdl.headlessSurface) SDL_FreeSurface(sdl.headlessSurface);
    sdl.headlessSurface = nullptr;
}

bool CreateDevice(const DeviceParams& p) {
    if (sdl.renderer) DestroyRenderer();
    if (!CreateRenderer(p)) {
        SDL_Log("renderer: %s", SDL_GetError());
        return false;
    }
    SetResourceRenderer(sdl.renderer);
    if (!CreateBackBuffer(p)) {
        DestroyRenderer();
        return false;
    }
    ApplyWindowMode(p);
    sdl.device = p;
    sdl.deviceStatus = DEVICE_OK;
    sdl.rendererLost = false;
    return true;
}

bool ResetDevice(const DeviceParams& p) {
    if (!sdl.renderer) return false;
    if (sdl.rendererLost) {
        // The renderer lost its textures: a new one, and every picture reloaded.
        DestroyRendererKeepingCatalogue();
        SDL_DestroyRenderer(sdl.renderer);
        sdl.renderer = nullptr;
        if (!CreateRenderer(p)) return false;
        SetResourceRenderer(sdl.renderer);
        ReloadAllTextures();
    }
    if (!CreateBackBuffer(p)) return false;
    ApplyWindowMode(p);
    sdl.device = p;
    sdl.deviceStatus = DEVICE_OK;
    sdl.rendererLost = false;
    return true;
}

void ReleaseDevice() {
    DestroyRenderer();
    sdl.deviceStatus = DEVICE_ABSENT;
}

int GetDeviceStatus() { return sdl.deviceStatus; }

// Drawing.

void Clear(uint32_t argb) {
    if (!sdl.renderer) return;
    SDL_SetRenderDrawColor(sdl.renderer, (argb >> 16) & 255, (argb >> 8) & 255, argb & 255, argb >> 24);
    SDL_RenderClear(sdl.renderer);
}

void DrawSprite(int texture, const SpriteDraw& s) {
    SDL_Texture* t = TextureOf(texture);
    if (!t || !sdl.renderer) return;
    int tw, th;
    SDL_QueryTexture(t, nullptr, nullptr, &tw, &th);
    // The source rectangle may reach past the texture (a full-screen piece
    // rounds up); draw the part that exists, at its own place.
    int l = std::max(0, s.SrcLeft), tp = std::max(0, s.SrcTop);
    int r = std::min(tw, s.SrcRight), b = std::min(th, s.SrcBottom);
    if (r <= l || b <= tp || s.ScaleX == 0 || s.ScaleY == 0) return;
    SDL_Rect src{l, tp, r - l, b - tp};
    float x = s.TransX + (l - s.SrcLeft) * s.ScaleX;
    float y = s.TransY + (tp - s.SrcTop) * s.ScaleY;
    SDL_FRect dst{x, y, src.w * s.ScaleX, src.h * s.ScaleY};
    ApplyColour(t, s.Colour);
    int flip = SDL_FLIP_NONE;
    if (dst.w < 0) {
        dst.x += dst.w;
        dst.w = -dst.w;
        flip |= SDL_FLIP_HORIZONTAL;
    }
    if (dst.h < 0) {
        dst.y += dst.h;
        dst.h = -dst.h;
        flip |= SDL_FLIP_VERTICAL;
    }
    if (s.Rotation == 0 && flip == SDL_FLIP_NONE) {
        SDL_RenderCopyF(sdl.renderer, t, &src, &dst);
        return;
    }
    SDL_FPoint centre{s.CentreX - (x - s.TransX), s.CentreY - (y - s.TransY)};
    SDL_RenderCopyExF(sdl.renderer, t, &src, &dst, s.Rotation * 180.0 / PI, &centre, SDL_RendererFlip(flip));
}

SDL_Color VertexColour(uint32_t argb, bool keepAlpha) {
    return SDL_Color{Uint8((argb >> 16) & 255), Uint8((argb >> 8) & 255), Uint8(argb & 255),
                     Uint8(keepAlpha ? (argb >> 24) : 255)};
}

void DrawQuad(int texture, const QuadVertex v[4]) {
    if (!sdl.renderer) return;
    SDL_Texture* t = TextureOf(texture);
    if (t) ApplyColour(t, 0xFFFFFFFFu);
    // A textured quad keeps the picture's own transparency: the vertex
    // colours tint it but their alpha does not count.
    SDL_Vertex verts[4];
    for (int i = 0; i < 4; ++i) {
        verts[i].position = SDL_FPoint{v[i].X, v[i].Y};
        verts[i].color = VertexColour(v[i].Diffuse, t == nullptr);
        verts[i].tex_coord = SDL_FPoint{v[i].Tu, v[i].Tv};
    }
    static const int indices[6] = {0, 1, 2, 1, 3, 2};
    SDL_RenderGeometry(sdl.renderer, t, verts, 4, indices, 6);
}

// The back buffer scaled into the window's drawable, letterboxed.
SDL_Rect LetterboxRect(int outW, int outH) {
    double scale = std::min(double(outW) / sdl.device.Width, double(outH) / sdl.device.Height);
    int w = int(std::lround(sdl.device.Width * scale)), h = int(std::lround(sdl.device.Height * scale));
    return SDL_Rect{(outW - w) / 2, (outH - h) / 2, w, h};
}

void Present() {
    if (!sdl.renderer || !sdl.backBuffer || sdl.options.headless) return;
    SDL_SetRenderTarget(sdl.renderer, nullptr);
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    int outW, outH;
    SDL_GetRendererOutputSize(sdl.renderer, &outW, &outH);
    SDL_Rect dst = LetterboxRect(outW, outH);
    SDL_SetTextureBlendMode(sdl.backBuffer, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(sdl.renderer, sdl.backBuffer, nullptr, &dst);
    SDL_RenderPresent(sdl.renderer);
    SDL_SetRenderTarget(sdl.renderer, sdl.backBuffer);
}

bool CreateScreenSlot(int slot) {
    if (slot < 0 || slot >= MAX_SCREEN_SLOTS || !sdl.renderer) return false;
    if (sdl.slots[slot]) SDL_DestroyTexture(sdl.slots[slot]);
    sdl.slots[slot] = CreateTarget(sdl.device.Width, sdl.device.Height);
    SDL_SetRenderTarget(sdl.renderer, sdl.backBuffer);
    return sdl.slots[slot] != nullptr;
}

void ReleaseScreenSlots() {
    for (SDL_Texture*& s : sdl.slots) {
        if (s) SDL_DestroyTexture(s);
        s = nullptr;
    }
}

bool CopyScreen(int slot, bool save) {
    if (slot < 0 || slot >= MAX_SCREEN_SLOTS || !sdl.slots[slot] || !sdl.backBuffer) return false;
    SDL_Texture* from = save ? sdl.backBuffer : sdl.slots[slot];
    SDL_Texture* to = save ? sdl.slots[slot] : sdl.backBuffer;
    SDL_SetRenderTarget(sdl.renderer, to);
    SDL_SetTextureBlendMode(from, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(sdl.renderer, from, nullptr, nullptr);
    SDL_SetRenderTarget(sdl.renderer, sdl.backBuffer);
    return true;
}

bool SaveScreenshot(const char* path) {
    if (!sdl.renderer || !sdl.backBuffer) return false;
    int w = sdl.device.Width, h = sdl.device.Height;
    std::vector<uint8_t> argb(size_t(w) * h * 4);
    SDL_SetRenderTarget(sdl.renderer, sdl.backBuffer);
    if (SDL_RenderReadPixels(sdl.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(), w * 4) != 0) return false;
    // The screen has no transparency: the picture is saved opaque.
    SDL_Surface* rgb = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    if (!rgb) return false;
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = argb.data() + size_t(y) * w * 4;
        uint8_t* out = static_cast<uint8_t*>(rgb->pixels) + size_t(y) * rgb->pitch;
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, in + x * 4, 4);
            out[x * 3 + 0] = (p >> 16) & 255;
            out[x * 3 + 1] = (p >> 8) & 255;
            out[x * 3 + 2] = p & 255;
        }
    }
    bool ok = IMG_SavePNG(rgb, path) == 0;
    SDL_FreeSurface(rgb);
    return ok;
}

// Input.

int KeyCodeOfScancode(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc == SDL_SCANCODE_0) return '0';
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return KEY_F1 + (sc - SDL_SCANCODE_F1);
    switch (sc) {
        case SDL_SCANCODE_BACKSPACE: return KEY_BACKSPACE;
        case SDL_SCANCODE_TAB: return KEY_TAB;
        case SDL_SCANCODE_RETURN: return KEY_RETURN;
        case SDL_SCANCODE_KP_ENTER: return KEY_RETURN;
        case SDL_SCANCODE_ESCAPE: return KEY_ESCAPE;
        case SDL_SCANCODE_SPACE: return KEY_SPACE;
        case SDL_SCANCODE_PAGEUP: return KEY_PAGEUP;
        case SDL_SCANCODE_PAGEDOWN: return KEY_PAGEDOWN;
        case SDL_SCANCODE_END: return KEY_END;
        case SDL_SCANCODE_HOME: return KEY_HOME;
        case SDL_SCANCODE_LEFT: return KEY_LEFT;
        case SDL_SCANCODE_UP: return KEY_UP;
        case SDL_SCANCODE_RIGHT: return KEY_RIGHT;
        case SDL_SCANCODE_DOWN: return KEY_DOWN;
        case SDL_SCANCODE_DELETE: return KEY_DELETE;
        case SDL_SCANCODE_KP_0: return KEY_NUMPAD0;
        default: return -1;
    }
}

// Window coordinates to back-buffer pixels through the letterbox.
void PointerToBackBuffer(int wx, int wy, InputState* input) {
    int winW, winH, outW, outH;
    SDL_GetWindowSize(sdl.window, &winW, &winH);
    SDL_GetRendererOutputSize(sdl.renderer, &outW, &outH);
    if (winW <= 0 || winH <= 0 || sdl.device.Width <= 0) return;
    double px = wx * double(outW) / winW, py = wy * double(outH) / winH;
    SDL_Rect box = LetterboxRect(outW, outH);
    input->PointerX = int(std::floor((px - box.x) * sdl.device.Width / box.w));
    input->PointerY = int(std::floor((py - box.y) * sdl.device.Height / box.h));
}

void PumpMessages(InputState* input) {
    if (sdl.options.headless) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: input->CloseRequested = true; break;
            case SDL_TEXTINPUT: input->Typed += e.text.text; break;
            case SDL_RENDER_TARGETS_RESET:
                if (sdl.deviceStatus == DEVICE_OK) sdl.deviceStatus = DEVICE_RESETTABLE;
                break;
            case SDL_RENDER_DEVICE_RESET:
                sdl.rendererLost = true;
                sdl.deviceStatus = DEVICE_RESETTABLE;
                break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: input->CloseRequested = true; break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED: input->Active = true; break;
                    case SDL_WINDOWEVENT_FOCUS_LOST: input->Active = false; break;
                    case SDL_WINDOWEVENT_MINIMIZED: input->Minimised = true; break;
                    case SDL_WINDOWEVENT_RESTORED:
                    case SDL_WINDOWEVENT_MAXIMIZED: input->Minimised = false; break;
                    case SDL_WINDOWEVENT_RESIZED: input->Resized = true; break;
                    default: break;
                }
                break;
            default: break;
        }
    }
    int numKeys = 0;
    const Uint8* keys = SDL_GetKeyboardState(&numKeys);
    std::memset(input->Keys, 0, sizeof input->Keys);
    for (int sc = 0; sc < numKeys; ++sc) {
        if (!keys[sc]) continue;
        int code = KeyCodeOfScancode(SDL_Scancode(sc));
        if (code >= 0) input->Keys[code] = true;
    }
    SDL_Keymod mod = SDL_GetModState();
    input->Keys[KEY_SHIFT] = (mod & KMOD_SHIFT) != 0;
    input->Keys[KEY_CONTROL] = (mod & KMOD_CTRL) != 0;
    int mx, my;
    Uint32 buttons = SDL_GetMouseState(&mx, &my);
    input->Buttons[BUTTON_LEFT] = (buttons & SDL_BUTTON_LMASK) != 0;
    input->Buttons[BUTTON_RIGHT] = (buttons & SDL_BUTTON_RMASK) != 0;
    if (sdl.renderer) PointerToBackBuffer(mx, my, input);
}

void StartTextInput() {
    if (sdl.window) SDL_StartTextInput();
}

void StopTextInput() {
    if (sdl.window) SDL_StopTextInput();
}

double CounterMs() { return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency()); }

void SleepMs(double ms) {
    if (ms > 0) SDL_Delay(Uint32(std::lround(ms)));
}

PlatformApi MakeSdlApi() {
    PlatformApi api;
    api.Name = sdl.options.headless ? "sdl-headless" : "sdl";
    api.GetDesktopMode = GetDesktopMode;
    api.GetModeCount = GetModeCount;
    api.GetMode = GetMode;
    api.IsHardwareAvailable = IsHardwareAvailable;
    api.SetWindowFrame = SetWindowFrame;
    api.GetWindowFrame = GetWindowFrame;
    api.SetWindowOuterSize = SetWindowOuterSize;
    api.GetWindowOuterSize = GetWindowOuterSize;
    api.GetWindowClientSize = GetWindowClientSize;
    api.SetWindowPosition = SetWindowPosition;
    api.SetWindowMaximised = SetWindowMaximised;
    api.IsWindowMaximised = IsWindowMaximised;
    api.SetWindowTopMost = SetWindowTopMost;
    api.IsWindowTopMost = IsWindowTopMost;
    api.ShowWindow = ShowWindow;
    api.ShowSystemCursor = ShowSystemCursor;
    api.CreateDevice = CreateDevice;
    api.ResetDevice = ResetDevice;
    api.ReleaseDevice = ReleaseDevice;
    api.GetDeviceStatus = GetDeviceStatus;
    api.LoadTexture = LoadTextureFromFile;
    api.FreeTexture = FreeTextureHandle;
    api.Clear = Clear;
    api.DrawSprite = DrawSprite;
    api.DrawQuad = DrawQuad;
    api.Present = Present;
    api.CreateScreenSlot = CreateScreenSlot;
    api.ReleaseScreenSlots = ReleaseScreenSlots;
    api.CopyScreen = CopyScreen;
    api.SaveScreenshot = SaveScreenshot;
    api.CreateFont = CreateSystemFont;
    api.MeasureText = MeasureSystemText;
    api.DrawText = DrawSystemText;
    api.PumpMessages = PumpMessages;
    api.StartTextInput = StartTextInput;
    api.StopTextInput = StopTextInput;
    api.CounterMs = CounterMs;
    api.SleepMs = SleepMs;
    return api;
}

}  // namespace

bool InstallSdlPlatform(const SdlPlatformOptions& options, std::string* error) {
    sdl = SdlState();
    sdl.options = options;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (options.headless) {
        // No window and no display: the software renderer draws into memory.
        if (SDL_Init(0) != 0) {
            *error = SDL_GetError();
            return false;
        }
    } else {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            *error = std::string("cannot start the display: ") + SDL_GetError();
            return false;
        }
        sdl.window = SDL_CreateWindow("Gemhaven", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                                      SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
        if (!sdl.window) {
            *error = std::string("cannot open the window: ") + SDL_GetError();
            SDL_Quit();
            return false;
        }
        SDL_StopTextInput();
    }
    if (!StartResources(error)) return false;
    InstallPlatform(MakeSdlApi());
    return true;
}

void ShutdownSdlPlatform() {
    DestroyRenderer();
    StopResources();
    if (sdl.window) SDL_DestroyWindow(sdl.window);
    sdl.window = nullptr;
    SDL_Quit();
}
