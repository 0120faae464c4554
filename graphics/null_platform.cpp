#include "graphics/null_platform.h"

#include <cstring>
#include <sys/stat.h>

NullPlatformState NullState;

namespace {

bool FileExists(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

bool GetDesktopMode(DisplayModeInfo* out) {
    *out = NullState.desktop;
    return true;
}
int GetModeCount() { return int(NullState.modes.size()); }
bool GetMode(int i, DisplayModeInfo* out) {
    if (i < 0 || i >= int(NullState.modes.size())) return false;
    *out = NullState.modes[i];
    return true;
}
bool IsHardwareAvailable() { return NullState.hardware; }

void SetWindowFrame(uint32_t flags) { NullState.frame = flags; }
uint32_t GetWindowFrame() { return NullState.frame; }
void SetWindowOuterSize(int w, int h) {
    NullState.outerW = w;
    NullState.outerH = h;
}
void GetWindowOuterSize(int* w, int* h) {
    *w = NullState.outerW;
    *h = NullState.outerH;
}
void GetWindowClientSize(int* w, int* h) {
    bool framed = (NullState.frame & FRAME_TITLEBAR) != 0 && !NullState.maximised;
    *w = NullState.outerW - (framed ? NullState.frameW : 0);
    *h = NullState.outerH - (framed ? NullState.frameH : 0);
}
void SetWindowPosition(int l, int t) {
    NullState.left = l;
    NullState.top = t;
}
void SetWindowMaximised(bool m) { NullState.maximised = m; }
bool IsWindowMaximised() { return NullState.maximised; }
void SetWindowTopMost(bool t) { NullState.topMost = t; }
bool IsWindowTopMost() { return NullState.topMost; }
void ShowWindow() { NullState.shown = true; }
void ShowSystemCursor(bool v) { NullState.cursorVisible = v; }

bool CreateDevice(const DeviceParams& p) {
    if (NullState.failDevice) return false;
    NullState.device = p;
    NullState.deviceStatus = DEVICE_OK;
    NullState.deviceCreations++;
    return true;
}
bool ResetDevice(const DeviceParams& p) {
    NullState.device = p;
    NullState.deviceStatus = DEVICE_OK;
    return true;
}
void ReleaseDevice() { NullState.deviceStatus = DEVICE_ABSENT; }
int GetDeviceStatus() { return NullState.deviceStatus; }

int LoadTexture(const char* path, int w, int h, int filter) {
    if (NullState.requireFiles && !FileExists(path)) return 0;
    NullState.textures.push_back(NullTexture{path, w, h, filter, true});
    return int(NullState.textures.size());
}
void FreeTexture(int t) {
    if (t > 0 && t <= int(NullState.textures.size())) NullState.textures[t - 1].live = false;
}

void Clear(uint32_t argb) {
    NullDrawCall c;
    c.kind = NullDrawCall::CLEAR;
    c.colour = argb;
    NullState.draws.push_back(c);
}
void DrawSprite(int t, const SpriteDraw& s) {
    NullDrawCall c;
    c.kind = NullDrawCall::SPRITE;
    c.texture = t;
    c.sprite = s;
    c.colour = s.Colour;
    NullState.draws.push_back(c);
}
void DrawQuad(int t, const QuadVertex v[4]) {
    NullDrawCall c;
    c.kind = NullDrawCall::QUAD;
    c.texture = t;
    for (int i = 0; i < 4; ++i) c.vertices[i] = v[i];
    NullState.draws.push_back(c);
}
void Present() { NullState.presents++; }
bool CreateScreenSlot(int slot) {
    if (slot < 0 || slot >= MAX_SCREEN_SLOTS) return false;
    NullState.slots[slot] = true;
    return true;
}
void ReleaseScreenSlots() {
    for (bool& s : NullState.slots) s = false;
}
bool CopyScreen(int slot, bool) {
    if (slot < 0 || slot >= MAX_SCREEN_SLOTS || !NullState.slots[slot]) return false;
    NullState.copies++;
    return true;
}
bool SaveScreenshot(const char*) { return false; }

// Metrics of a fixed-pitch font: 0.5 x height per character, one line per
// CR or LF-separated row.
int CreateFont(const char*, int pixelHeight, bool) { return pixelHeight > 0 ? pixelHeight : 1; }
void MeasureText(int font, const char* text, int* w, int* h) {
    int longest = 0, current = 0, lines = 1;
    for (const char* p = text; *p; ++p) {
        if (*p == '\r' || *p == '\n') {
            if (*p == '\r' && p[1] == '\n') ++p;
            ++lines;
            current = 0;
            continue;
        }
        if (++current > longest) longest = current;
    }
    *w = longest * font / 2;
    *h = lines * font;
}
void DrawText(int, const char* text, int l, int t, int r, int b, uint32_t argb, int align) {
    NullDrawCall c;
    c.kind = NullDrawCall::TEXT;
    c.text = text;
    c.left = l;
    c.top = t;
    c.right = r;
    c.bottom = b;
    c.colour = argb;
    c.align = align;
    NullState.draws.push_back(c);
}

void PumpMessages(InputState*) {}
void StartTextInput() {}
void StopTextInput() {}
double CounterMs() { return NullState.counterMs; }
void SleepMs(double ms) { NullState.counterMs += ms; }

}  // namespace

PlatformApi NullPlatformApi() {
    PlatformApi api;
    api.Name = "null";
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
    api.LoadTexture = LoadTexture;
    api.FreeTexture = FreeTexture;
    api.Clear = Clear;
    api.DrawSprite = DrawSprite;
    api.DrawQuad = DrawQuad;
    api.Present = Present;
    api.CreateScreenSlot = CreateScreenSlot;
    api.ReleaseScreenSlots = ReleaseScreenSlots;
    api.CopyScreen = CopyScreen;
    api.SaveScreenshot = SaveScreenshot;
    api.CreateFont = CreateFont;
    api.MeasureText = MeasureText;
    api.DrawText = DrawText;
    api.PumpMessages = PumpMessages;
    api.StartTextInput = StartTextInput;
    api.StopTextInput = StopTextInput;
    api.CounterMs = CounterMs;
    api.SleepMs = SleepMs;
    return api;
}

void ResetNullPlatform() {
    NullState = NullPlatformState();
    static const int sizes[][2] = {{640, 480},   {800, 600},   {1024, 768},  {1280, 720},
                                   {1280, 1024}, {1600, 900},  {1920, 1080}};
    for (auto& s : sizes)
        NullState.modes.push_back(DisplayModeInfo{s[0], s[1], 60, FORMAT_X8R8G8B8});
    InstallNullPlatform();
}

void InstallNullPlatform() { InstallPlatform(NullPlatformApi()); }

const NullTexture* NullTextureOf(int handle) {
    if (handle <= 0 || handle > int(NullState.textures.size())) return nullptr;
    return &NullState.textures[handle - 1];
}
