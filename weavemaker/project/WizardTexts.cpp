#include "WizardTexts.h"

#include "ResMessages.h"


namespace {

const WCHAR* GermanLiteral(UINT id) {
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
    case kTextFilterScripts: return LW_WSTR("Ressourcen (*.rc;*.rc2;*.dlg)|*.rc;*.rc2;*.dlg||");
    case kTextFilterAll: return LW_WSTR("Alle Dateien (*.*)|*.*||");
    case kTextPercentMarker:
      return LW_WSTR("Die Markierungen der Testversion d\u00FCrfen kein '%' enthalten:\n"
                     "sie w\u00FCrden die Formatangaben der Texte zerst\u00F6ren.");
  }
  return nullptr;
}

}  // namespace

CString WizardBuiltInText(UINT id) {
  // The reader's messages and the switch dialog's texts are the wizard's too.
  const WCHAR* german = GermanLiteral(id);
  return german ? CString(CStringW(german)) : BuiltInResMessage(id);
}

const CProgramTexts& WizardTexts() {
  static const CProgramTexts texts(WizardBuiltInText);
  return texts;
}

CString WizardText(UINT id) { return WizardTexts().Text(id); }

CString WizardText(UINT id, const CString& argument) { return WizardTexts().Format(id, argument); }
