#include "PageControls.h"

GuideIdePageControls GuideIdePageControlsFor(int ideRadio) {
  return {ideRadio != kIdeOther, ideRadio == kIdeVisualCpp};
}

GuideOptionsPageControls GuideOptionsPageControlsFor(const CIntegrationSettings& s) {
  return {s.m_ideKind == kIdeVisualCpp && s.m_mfc, s.m_ideKind != kIdeOther};
}
