// The frame of the game window: title bar, sizable border, close control
// and the rest, switched on and off at run time. The one class of the
// game: a property per frame element, applied at once.
#pragma once

#include <cstdint>

class WindowStyle {
  public:
    bool ControlBox() const;
    bool ControlBox(bool on);
    bool MaxButton() const;
    bool MaxButton(bool on);
    bool MinButton() const;
    bool MinButton(bool on);
    bool Sizable() const;
    bool Sizable(bool on);
    bool Titlebar() const;
    bool Titlebar(bool on);
    bool ToolWindow() const;
    bool ToolWindow(bool on);
    bool WhatsThisButton() const;
    bool WhatsThisButton(bool on);
    bool TopMost() const;
    void TopMost(bool on);

  private:
    // Sets or clears the flag and redraws the frame; true when the frame
    // read back is the one written.
    bool SetFlag(uint32_t flag, bool on);
    bool HasFlag(uint32_t flag) const;
};

// The style object of the game window.
extern WindowStyle MainFormStyle;
