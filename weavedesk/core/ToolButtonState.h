// The looks of the editor's owner-drawn toolbar buttons: which of the five
// states a button is drawn in, and which picture strip (look 1 to 4) and
// frame each state uses. Window-free; the toolbar draws.
#pragma once

enum ZweiState {
  ZWEI_NORMAL = 1,
  ZWEI_HOT = 2,
  ZWEI_PRESSED = 3,  // also checked and hot
  ZWEI_CHECKED = 4,
  ZWEI_DISABLED = 5,
  ZWEI_NEVER_DRAWN = 99
};

enum ZweiFrame { ZWEI_FRAME_NONE, ZWEI_FRAME_RAISED, ZWEI_FRAME_SUNKEN };

ZweiState ZweiButtonState(bool enabled, bool checked, bool pressed, bool hot);
// Picture look (1 to 4) of a state.
int ZweiLook(ZweiState state);
ZweiFrame ZweiFrameOf(ZweiState state);
// A button drawn checked before and not checked now needs a clean background.
bool ZweiNeedsErase(int lastState, ZweiState state);
