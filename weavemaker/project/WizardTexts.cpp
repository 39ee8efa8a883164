#include "WizardTexts.h"

#include "RuntimeSeams.h"

namespace {

const WCHAR* GermanText(UINT id) {
  switch (id) {
    case kTextScanCaption: return LW_WSTR("Lese Resource-Dateien ein...");
    case kTextScanDone: return LW_WSTR("Ressourcen-Scan erfolgreich durchgef\u00FChrt !");
    case kTextNoResources:
      return LW_WSTR("Sie haben noch keine Ressourcen f\u00FCr dieses Lingoweave Wizard-Projekt angegeben.\n"
                     "Deshalb kann keine Sprachdatei (*.tra) erzeugt werden.");
    case kTextAddOnPaths:
      return LW_WSTR("Die Konfiguration der Addon-Pfade ist unvollst\u00E4ndig oder fehlerhaft.\n"
                     " Es wurd keine Sprachdatei angelegt.");
    case kTextTestFileCheck: return LW_WSTR("Test-Sprachdatei %s erzeugen");
    case kTextWriteFailed:
      return LW_WSTR("Die Datei %s konnte nicht geschrieben werden.\n"
                     "Sie bleibt, wie sie war; die Sprachdatei gilt weiter als ge\u00E4ndert.");
    case kTextPercentMarker:
      return LW_WSTR("Die Markierungen der Testversion d\u00FCrfen kein '%' enthalten:\n"
                     "sie w\u00FCrden die Formatangaben der Texte zerst\u00F6ren.");
  }
  return nullptr;
}

}  // namespace

CString WizardText(UINT id) {
  CString text = LwLoadProgramText(id);
  if (!text.IsEmpty()) return text;
  const WCHAR* german = GermanText(id);
  return german ? CString(CStringW(german)) : CString();
}

CString WizardText(UINT id, const CString& argument) {
  CString text;
  const CString format = WizardText(id);
  text.Format(format.GetString(), argument.GetString());
  return text;
}
