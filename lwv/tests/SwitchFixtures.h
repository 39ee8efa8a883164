// Language files of one program in several languages, for the switch tests.
#pragma once

#include "ManagerFixtures.h"

#include "LwFileInfo.h"
#include "SwitchDlgModel.h"
#include "TraFile.h"

namespace swtest {

using namespace mgrtest;

struct HostLanguage {
  const char* fileName;
  const TCHAR* language;
  LANGID languageId;
  COLORREF flagColour;
  const TCHAR* programName = _T("Probe");
  const TCHAR* version = _T("1.0");
  // Translations of the strings "Datei nicht gefunden", "Hallo", "Neu\nNeue Datei".
  const TCHAR* translations[3] = {nullptr, nullptr, nullptr};
  DWORD flags = 0;
  const TCHAR* comment = _T("");
};

inline const TCHAR* const kOriginals[3] = {_T("Datei nicht gefunden"), _T("Hallo"), _T("Neu\nNeue Datei")};

// A language file of the probe program with a switch-dialog entry of 18
// children and a dialog "Einstellungen" with one button "Anwenden".
inline CTraFile* MakeLanguage(const HostLanguage& spec) {
  FileContents base;
  for (int i = 0; i < 3; ++i)
    base.strings.push_back({kOriginals[i], spec.translations[i] ? spec.translations[i] : kOriginals[i]});
  base.programName = spec.programName;
  CTraFile* file = MakeFile(base);
  CString section(TRA_SECTION_DIALOGS);
  CTraNode* dialogs = file->GetRootNode()->FindPath(&section, 1);
  CTraNode* sw =
      dialogs->AddChild(std::make_unique<CTraNode>(dialogs, _T("Sprache"), spec.language, TRA_SWITCHDIALOG, 100, 100));
  for (int i = 0; i < LWV_SWITCH_FULL_CHILDREN; ++i) {
    CString original, text;
    original.Format(_T("Sprache %d"), i);
    text.Format(_T("%s %d"), spec.language, i);
    sw->AddChild(std::make_unique<CTraNode>(sw, original, text, TRA_STATIC, 10, 10));
  }
  file->SetLanguageName(spec.language);
  file->SetLanguageId(spec.languageId);
  file->SetProgramVersion(spec.version);
  file->SetFlags(spec.flags);
  file->SetComment(spec.comment);
  file->SetAuthor(_T("Autor"));
  file->SetDate(_T("2026-12-09 07:00"));
  file->SetCarriedValue(7);
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) file->SetFlagPixel(i, spec.flagColour);
  return file;
}

inline CString WriteLanguage(const HostLanguage& spec) {
  CString path = TempPath(spec.fileName);
  CTraFile* file = MakeLanguage(spec);
  WriteFile(path, *file);
  delete file;
  return path;
}

inline HostLanguage German() {
  HostLanguage s{"sw_de.tra", _T("Deutsch"), 0x0407, RGB(255, 204, 0)};
  return s;
}

inline HostLanguage English() {
  HostLanguage s{"sw_en.tra", _T("English"), 0x0409, RGB(0, 0, 160)};
  s.translations[0] = _T("File not found");
  s.translations[1] = _T("Hello");
  s.translations[2] = _T("New\nNew file");
  return s;
}

inline HostLanguage French() {
  HostLanguage s{"sw_fr.tra", _T("Francais"), 0x040C, RGB(200, 0, 0)};
  s.translations[0] = _T("Fichier introuvable");
  s.translations[1] = _T("Bonjour");
  s.translations[2] = _T("Nouveau\nNouveau fichier");
  return s;
}

inline CString Translated(const TCHAR* original) {
  CString text(original);
  LWTranslateString(text);
  return text;
}

}  // namespace swtest
