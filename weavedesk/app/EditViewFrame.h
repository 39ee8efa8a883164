// What the edit view asks of the frame around it: the special-character
// window was closed from its own buttons, so the frame's toggle goes off.
// The main frame implements it; the view includes no frame header.
#pragma once

class CEditViewFrame {
 public:
  virtual ~CEditViewFrame() = default;
  virtual void ResetSpecialCharsToggle() = 0;
};
