#include "ToolButtonState.h"

ZweiState ZweiButtonState(bool enabled, bool checked, bool pressed, bool hot) {
  if (!enabled) return ZWEI_DISABLED;
  if (checked && !hot) return ZWEI_CHECKED;
  if (pressed || checked) return ZWEI_PRESSED;
  if (hot) return ZWEI_HOT;
  return ZWEI_NORMAL;
}

int ZweiLook(ZweiState state) {
  switch (state) {
    case ZWEI_HOT:
    case ZWEI_PRESSED: return 1;
    case ZWEI_CHECKED: return 4;
    case ZWEI_DISABLED: return 3;
    default: return 2;
  }
}

ZweiFrame ZweiFrameOf(ZweiState state) {
  switch (state) {
    case ZWEI_HOT: return ZWEI_FRAME_RAISED;
    case ZWEI_PRESSED:
    case ZWEI_CHECKED: return ZWEI_FRAME_SUNKEN;
    default: return ZWEI_FRAME_NONE;
  }
}

bool ZweiNeedsErase(int lastState, ZweiState state) { return lastState == ZWEI_CHECKED && state != ZWEI_CHECKED; }
