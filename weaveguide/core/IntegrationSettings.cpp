#include "IntegrationSettings.h"

#include "ProjectAnalyser.h"
#include "ProjectFileList.h"

CIntegrationSettings::~CIntegrationSettings() { ReplaceScan(nullptr, nullptr); }

void CIntegrationSettings::ReplaceScan(CProjectFileList* files, CProjectAnalyser* analyser) {
  m_scanFinished = false;
  // The analyser points into the file list: it goes first.
  delete m_analyser;
  m_analyser = analyser;
  delete m_files;
  m_files = files;
}

void CIntegrationSettings::RunScan(CProjectFileList* files, CSegmentedProgress* progress) {
  ReplaceScan(files, new CProjectAnalyser());
  m_analyser->Scan(m_files, progress);
  m_scanFinished = true;
}

bool CIntegrationSettings::HasFixHits() const { return GetScanResults() && GetScanResults()->HasFixHits(); }

bool CIntegrationSettings::HasExternHeaders() const {
  return GetScanResults() && GetScanResults()->HasExternHeaders();
}

void CIntegrationSettings::LeaveIdePage(int ideRadio, bool mfcChecked) {
  m_ideKind = ideRadio == 0 ? kIdeVisualCpp : ideRadio == 1 ? kIdeOtherCpp : kIdeOther;
  m_mfc = m_ideKind != kIdeOther && mfcChecked;
}

int CIntegrationSettings::GetCharsetChoice() const {
  if (!m_unicode) return kCharset8Bit;
  return m_8Bit ? kCharsetBoth : kCharsetUnicode;
}

void CIntegrationSettings::ChangeOptions(bool preprocessor, bool menu, int charsetRadio) {
  m_preprocessor = preprocessor;
  m_menu = menu;
  switch (charsetRadio) {
    case kCharset8Bit: m_8Bit = true; m_unicode = false; break;
    case kCharsetUnicode: m_8Bit = false; m_unicode = true; break;
    case kCharsetBoth: m_8Bit = true; m_unicode = true; break;
    default: break;
  }
}

bool GuideMfcCheckAfterChoice(int previousRadio, int chosenRadio, bool mfcChecked) {
  if (previousRadio != -1) return mfcChecked;
  if (chosenRadio == kIdeVisualCpp) return true;
  if (chosenRadio == kIdeOtherCpp) return false;
  return mfcChecked;
}
