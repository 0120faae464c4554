#include "graphics/window_style.h"

#include "platform/platform.h"

WindowStyle MainFormStyle;

bool WindowStyle::HasFlag(uint32_t flag) const {
    return Platform.GetWindowFrame && (Platform.GetWindowFrame() & flag) != 0;
}

bool WindowStyle::SetFlag(uint32_t flag, bool on) {
    if (!Platform.GetWindowFrame || !Platform.SetWindowFrame) return false;
    uint32_t frame = Platform.GetWindowFrame();
    frame = on ? (frame | flag) : (frame & ~flag);
    // Writing the frame makes the platform recompute and redraw it, even
    // when nothing changed.
    Platform.SetWindowFrame(frame);
    return Platform.GetWindowFrame() == frame;
}

bool WindowStyle::ControlBox() const { return HasFlag(FRAME_CONTROLBOX); }
bool WindowStyle::ControlBox(bool on) { return SetFlag(FRAME_CONTROLBOX, on); }
bool WindowStyle::MaxButton() const { return HasFlag(FRAME_MAXBUTTON); }
bool WindowStyle::MaxButton(bool on) { return SetFlag(FRAME_MAXBUTTON, on); }
bool WindowStyle::MinButton() const { return HasFlag(FRAME_MINBUTTON); }
bool WindowStyle::MinButton(bool on) { return SetFlag(FRAME_MINBUTTON, on); }
bool WindowStyle::Sizable() const { return HasFlag(FRAME_SIZABLE); }
bool WindowStyle::Sizable(bool on) { return SetFlag(FRAME_SIZABLE, on); }
bool WindowStyle::Titlebar() const { return HasFlag(FRAME_TITLEBAR); }
bool WindowStyle::Titlebar(bool on) { return SetFlag(FRAME_TITLEBAR, on); }
bool WindowStyle::ToolWindow() const { return HasFlag(FRAME_TOOLWINDOW); }
bool WindowStyle::ToolWindow(bool on) { return SetFlag(FRAME_TOOLWINDOW, on); }
bool WindowStyle::WhatsThisButton() const { return HasFlag(FRAME_WHATSTHIS); }
bool WindowStyle::WhatsThisButton(bool on) { return SetFlag(FRAME_WHATSTHIS, on); }
bool WindowStyle::TopMost() const { return Platform.IsWindowTopMost && Platform.IsWindowTopMost(); }
void WindowStyle::TopMost(bool on) {
    if (Platform.SetWindowTopMost) Platform.SetWindowTopMost(on);
}
