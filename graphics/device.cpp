#include "graphics/device.h"

#include <cmath>
#include <cstdlib>

#include "board/board.h"
#include "diagnostics/ini.h"
#include "diagnostics/log.h"
#include "graphics/buttons.h"
#include "graphics/screen.h"
#include "graphics/window.h"
#include "graphics/window_style.h"
#include "shell/config.h"

PresentParameters d3dpp;
DisplayModeInfo DesktopMode;
ModeRow DisplayModes[2];
bool DeviceExists = false;
bool UsingReferenceDevice = false;
int32_t FormOuterWidth = 0, FormOuterHeight = 0;

namespace {

void (*afterResetHook)() = nullptr;

struct VersionEntry {
    const char* text;
    int32_t code;
};

const VersionEntry versionTable[] = {
    {"4.02.0095", 100},      {"4.03.00.1096", 200},   {"4.04.0068", 300},      {"4.04.0069", 301},
    {"4.05.00.0155", 500},   {"4.05.01.1721", 501},   {"4.05.01.1998", 502},   {"4.06.02.0436", 600},
    {"4.07.00.0700", 700},   {"4.07.00.0716", 701},   {"4.08.00.0400", 800},   {"4.08.01.0810", 810},
    {"4.08.01.0881", 811},   {"4.09.0000.0900", 900}, {"4.09.00.0900", 901},   {"4.09.0000.0901", 910},
    {"4.09.00.0901", 911},   {"4.09.0000.0902", 920}, {"4.09.00.0902", 921},   {"4.09.00.0904", 930},
    {"4.09.0000.0904", 931},
};

DeviceParams CurrentDeviceParams(bool reference) {
    DeviceParams p;
    p.Width = d3dpp.BackBufferWidth;
    p.Height = d3dpp.BackBufferHeight;
    p.Windowed = d3dpp.Windowed != 0;
    p.Reference = reference;
    return p;
}

bool IsAcceptedFormat(int32_t format) {
    return format == FORMAT_R8G8B8 || format == FORMAT_A8R8G8B8 || format == FORMAT_X8R8G8B8;
}

// Back-buffer size for a resolution setting: index 0 and sizes 0 x 0 mean
// the desktop.
void SizeForSetting(int index, int32_t* w, int32_t* h) {
    ResolutionSize(index, w, h);
    if (index == 0 || *w == 0 || *h == 0) {
        *w = DesktopMode.Width;
        *h = DesktopMode.Height;
    }
}

// The device-owned objects and the window after a reset.
void RebuildAfterReset() {
    PrepareButtons();
    if (afterResetHook) afterResetHook();
}

}  // namespace

void ResolutionSize(int index, int32_t* w, int32_t* h) {
    static const int32_t sizes[RESOLUTION_COUNT][2] = {{0, 0},     {640, 480},   {800, 600},
                                                       {1024, 768}, {1280, 1024}, {1600, 1200}};
    *w = *h = 0;
    if (index < 0 || index >= RESOLUTION_COUNT) return;
    if (index == 0) {
        *w = DesktopMode.Width;
        *h = DesktopMode.Height;
        return;
    }
    *w = sizes[index][0];
    *h = sizes[index][1];
}

std::string ResolutionName(int index) {
    static const char* const names[RESOLUTION_COUNT] = {"DESKTOP",  "640x480",   "800x600",
                                                        "1024x768", "1280x1024", "1600x1200"};
    if (index < 0 || index >= RESOLUTION_COUNT) return "";
    return names[index];
}

int32_t TextureSizeForResolution(int index) {
    int32_t w, h;
    ResolutionSize(index, &w, &h);
    // The screen diagonal: 640 x 480 (800) keeps the small pictures,
    // 1024 x 768 (1280) the authored size, 1280 x 1024 (1639) the large.
    double d = std::sqrt(double(w) * w + double(h) * h);
    if (d < 950) return 128;
    if (d < 1300) return 256;
    return 512;
}

void AddDisplayMode(int row, int32_t w, int32_t h) {
    if (row < 0 || row > 1) return;
    ModeRow& r = DisplayModes[row];
    for (int i = 0; i < r.Count; ++i)
        if (r.Width[i] == w && r.Height[i] == h) return;
    if (r.Count >= MAX_DISPLAY_MODES) return;
    r.Width[r.Count] = w;
    r.Height[r.Count] = h;
    r.Count++;
}

void EnumerateDisplayModes() {
    TraceEnter("EnumerateDisplayModes()");
    DisplayModes[0] = ModeRow();
    DisplayModes[1] = ModeRow();
    int count = Platform.GetModeCount ? Platform.GetModeCount() : 0;
    bool hardware = IsHardwareDeviceAvailable();
    for (int i = 0; i < count; ++i) {
        DisplayModeInfo m;
        if (!Platform.GetMode(i, &m) || !IsAcceptedFormat(m.Format)) continue;
        // Full screen shows the desktop's own mode with the back buffer
        // scaled into it, so every listed mode suits both renderers.
        if (hardware) AddDisplayMode(MODE_ROW_HARDWARE, m.Width, m.Height);
        AddDisplayMode(MODE_ROW_REFERENCE, m.Width, m.Height);
    }
    TraceExit("OK");
}

bool IsResolutionAvailable(int row, int32_t w, int32_t h) {
    if (!Config.FullScreen) return w < DesktopMode.Width && h < DesktopMode.Height;
    if (row < 0 || row > 1) return false;
    const ModeRow& r = DisplayModes[row];
    for (int i = 0; i < r.Count; ++i)
        if (r.Width[i] == w && r.Height[i] == h) return true;
    return false;
}

bool IsHardwareDeviceAvailable() {
    return Platform.IsHardwareAvailable && Platform.IsHardwareAvailable();
}

int32_t GetDirectXVersion() {
    std::string version = ReadMachineRegistryString("Software\\Microsoft\\DirectX", "Version");
    int32_t code = version.size() >= 4 ? std::atoi(version.substr(2, 2).c_str()) * 100 : 0;
    for (const VersionEntry& e : versionTable)
        if (version == e.text) code = e.code;
    return code;
}

void ApplyScreenFactors() {
    SetScreenFactors(d3dpp.BackBufferWidth, d3dpp.BackBufferHeight);
    SetBoardLayout();
}

void SetStartupParameters() {
    d3dpp = PresentParameters();
    d3dpp.Windowed = Config.FullScreen ? 0 : 1;
    d3dpp.SwapEffect = SWAP_EFFECT_COPY;
    d3dpp.BackBufferFormat = DesktopMode.Format;
    SizeForSetting(Config.ResolutionIndex, &d3dpp.BackBufferWidth, &d3dpp.BackBufferHeight);
    ApplyScreenFactors();
}

void SetNewd3dpp() {
    d3dpp.Windowed = Config.FullScreen ? 0 : 1;
    d3dpp.SwapEffect = SWAP_EFFECT_COPY;
    d3dpp.BackBufferFormat = DesktopMode.Format;
    int32_t w, h;
    ResolutionSize(Config.ResolutionIndex, &w, &h);
    if (!IsResolutionAvailable(MODE_ROW_HARDWARE, w, h)) {
        Config.ResolutionIndex = 0;
        w = DesktopMode.Width;
        h = DesktopMode.Height;
    }
    d3dpp.BackBufferWidth = w;
    d3dpp.BackBufferHeight = h;
    ApplyScreenFactors();
    SetSystemCursorVisible(d3dpp.Windowed != 0);
}

bool CreateGraphicsDevice() {
    TraceEnter("CreateGraphicsDevice()");
    bool windowed = d3dpp.Windowed != 0;
    MainFormStyle.ControlBox(windowed);
    bool reference = ReadIniValue("data.ini", "Force Reference Rasterizer (REF)") == "TRUE" ||
                     !IsHardwareDeviceAvailable();
    if (reference && Platform.CreateDevice(CurrentDeviceParams(true))) {
        DeviceExists = true;
        UsingReferenceDevice = true;
        TraceExit("OK");
        return true;
    }
    bool ok = Platform.CreateDevice(CurrentDeviceParams(false));
    DeviceExists = ok;
    UsingReferenceDevice = false;
    SetSystemCursorVisible(windowed);
    TraceExit("OK");
    return ok;
}

bool SetFormSize(int32_t w, int32_t h) {
    Platform.SetWindowOuterSize(w, h);
    int cw = 0, ch = 0, ow = 0, oh = 0;
    Platform.GetWindowClientSize(&cw, &ch);
    Platform.GetWindowOuterSize(&ow, &oh);
    Platform.SetWindowOuterSize(ow + (w - cw), oh + (h - ch));
    Platform.GetWindowClientSize(&cw, &ch);
    Platform.GetWindowOuterSize(&ow, &oh);
    FormOuterWidth = ow;
    FormOuterHeight = oh;
    bool ok = cw == w && ch == h;
    if (ok)
        WriteRunLog("SetFormSize(Function)",
                    "Resolution is set to " + std::to_string(w) + "x" + std::to_string(h) + " Window mode");
    else
        WriteRunLog("SetFormSize(Function) ", "Can't set correct window resolution!");
    int left = DesktopMode.Width / 2 - ow / 2;
    int top = DesktopMode.Height / 2 - oh / 2;
    Platform.SetWindowPosition(left < 0 ? 0 : left, top < 0 ? 0 : top);
    return ok;
}

void AdjustWindow() {
    if (d3dpp.Windowed == 0) {
        if (!Platform.IsWindowMaximised()) Platform.SetWindowMaximised(true);
        MainFormStyle.Titlebar(false);
        MainFormStyle.Sizable(false);
        return;
    }
    MainFormStyle.Titlebar(true);
    MainFormStyle.Sizable(true);
    Platform.SetWindowMaximised(false);
    DoEvents();
    SetFormSize(d3dpp.BackBufferWidth, d3dpp.BackBufferHeight);
    MainFormStyle.Sizable(false);
}

void ForceReset() {
    SetNewd3dpp();
    Platform.ReleaseScreenSlots();
    MainFormStyle.ControlBox(d3dpp.Windowed != 0);
    if (DeviceExists) Platform.ResetDevice(CurrentDeviceParams(UsingReferenceDevice));
    AdjustWindow();
    RenderPrepare();
    RebuildAfterReset();
}

void ForceResetLight() {
    Platform.ReleaseScreenSlots();
    if (DeviceExists) Platform.ResetDevice(CurrentDeviceParams(UsingReferenceDevice));
    RenderPrepare();
    RebuildAfterReset();
}

bool TryResetDevice() {
    if (DeviceExists && Platform.GetDeviceStatus() == DEVICE_RESETTABLE) ForceResetLight();
    return false;
}

void ResetDevice() { TryResetDevice(); }

void RenderPrepare() {
    Platform.CreateScreenSlot(0);
    Platform.CreateScreenSlot(1);
    Platform.Clear(0x00000000u);
}

void SetSystemCursorVisible(bool visible) {
    if (Platform.ShowSystemCursor) Platform.ShowSystemCursor(visible);
}

bool InitializeGraphics() {
    int32_t version = GetDirectXVersion();
    if (version < 810) WritePointLog("MainError", std::to_string(version));
    if (!Platform.CreateDevice) {
        WriteRunLog("ROOTFORM", "Can't creat Direct3D object", true);
        return false;
    }
    EnumerateDisplayModes();
    Platform.GetDesktopMode(&DesktopMode);
    SetStartupParameters();
    if (!CreateGraphicsDevice()) {
        WriteRunLog("ROOTFORM", "Can't creat Direct3D device " + std::to_string(-2005530518), true);
        return false;
    }
    if (d3dpp.Windowed != 0) {
        MainFormStyle.Titlebar(true);
        MainFormStyle.Sizable(false);
        SetFormSize(d3dpp.BackBufferWidth, d3dpp.BackBufferHeight);
    } else {
        Platform.SetWindowMaximised(true);
        MainFormStyle.Titlebar(false);
        MainFormStyle.Sizable(false);
    }
    Platform.ShowWindow();
    RenderPrepare();
    return true;
}

void ReleaseGraphics() {
    if (!DeviceExists) return;
    Platform.ReleaseScreenSlots();
    Platform.ReleaseDevice();
    DeviceExists = false;
}

void SetAfterResetHook(void (*hook)()) { afterResetHook = hook; }

void ResetDeviceState() {
    d3dpp = PresentParameters();
    DesktopMode = DisplayModeInfo();
    DisplayModes[0] = ModeRow();
    DisplayModes[1] = ModeRow();
    DeviceExists = false;
    UsingReferenceDevice = false;
    FormOuterWidth = FormOuterHeight = 0;
    afterResetHook = nullptr;
}
