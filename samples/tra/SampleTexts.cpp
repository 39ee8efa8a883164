#include "SampleTexts.h"

#include <cstring>

namespace {

struct TextPair {
  const char* german;
  const char* english;
};

// Every German text of Sample.rc: menus, dialogs and string tables.
const TextPair kEnglish[] = {
    // Main menu.
    {u8"&Datei", u8"&File"},
    {u8"&Eingaben...\tStrg+E", u8"&Entries...\tCtrl+E"},
    {u8"&Suchen...", u8"&Find..."},
    {u8"&Farbe...", u8"&Colour..."},
    {u8"&Beenden", u8"E&xit"},
    {u8"&Ansicht", u8"&View"},
    {u8"&Werkzeugleiste", u8"&Toolbar"},
    {u8"&Statusleiste", u8"&Status Bar"},
    {u8"&Vollbild", u8"&Full Screen"},
    {u8"&Extras", u8"&Tools"},
    {u8"S&teuerelemente...", u8"C&ontrols..."},
    {u8"E&igenschaften...", u8"&Properties..."},
    {u8"&Meldungen", u8"&Messages"},
    {u8"&Frage", u8"&Question"},
    {u8"&Warnung", u8"&Warning"},
    {u8"F&ehler", u8"&Error"},
    {u8"&Hilfe", u8"&Help"},
    {u8"&Info über Lingoweave Beispiel...", u8"&About Lingoweave Sample..."},
    // Entry form.
    {u8"Eingaben", u8"Entries"},
    {u8"&Anzahl:", u8"&Quantity:"},
    {u8"&Benachrichtigung senden", u8"&Send notification"},
    {u8"Sprache", u8"Language"},
    {u8"&Deutsch", u8"&German"},
    {u8"&Englisch", u8"&English"},
    {u8"F&ranzösisch", u8"&French"},
    {u8"&Farbe:", u8"&Colour:"},
    {u8"&Verlauf:", u8"&History:"},
    {u8"&Übernehmen", u8"&Apply"},
    {u8"&Info...", u8"A&bout..."},
    {u8"&Schließen", u8"C&lose"},
    // Every kind of control.
    {u8"Steuerelemente", u8"Controls"},
    {u8"&Beschriftung:", u8"&Caption:"},
    {u8"Auswahl", u8"Choice"},
    {u8"&Aktiv", u8"&Active"},
    {u8"&Klein", u8"&Small"},
    {u8"&Groß", u8"&Large"},
    {u8"&Liste:", u8"L&ist:"},
    {u8"Aus&wahlfeld:", u8"C&ombo box:"},
    {u8"&Rollbalken:", u8"Scroll &bar:"},
    {u8"Fortschritt:", u8"Progress:"},
    {u8"&Schieberegler:", u8"Sli&der:"},
    {u8"&Tastenkürzel:", u8"&Keyboard shortcut:"},
    {u8"&Zurücksetzen", u8"&Reset"},
    {u8"Abbrechen", u8"Cancel"},
    // Address (translated layout).
    {u8"Anschrift", u8"Address"},
    {u8"&Vorname:", u8"&First name:"},
    {u8"&Nachname:", u8"&Last name:"},
    {u8"&Straße:", u8"&Street address:"},
    {u8"&Merken", u8"&Remember these entries"},
    // Property pages.
    {u8"Allgemein", u8"General"},
    {u8"&Titel:", u8"&Title:"},
    {u8"Beim &Start anzeigen", u8"&Show at start-up"},
    {u8"Speichern", u8"Saving"},
    {u8"&Automatisch", u8"A&utomatically"},
    {u8"&Nachfragen", u8"As&k first"},
    {u8"Darstellung", u8"Appearance"},
    {u8"&Schriftgröße:", u8"&Font size:"},
    {u8"S&ymbole anzeigen", u8"Show s&ymbols"},
    {u8"Hell&igkeit:", u8"&Brightness:"},
    // About box.
    {u8"Info über Lingoweave Beispiel", u8"About Lingoweave Sample"},
    {u8"Lingoweave Beispielprogramm, Version 1.0", u8"Lingoweave sample program, version 1.0"},
    // Strings.
    {u8"Lingoweave Beispiel", u8"Lingoweave Sample"},
    {u8"Bereit", u8"Ready"},
    {u8"Eingaben übernommen: %s, %d Stück, Farbe %s, %s.", u8"Entries applied: %s, quantity %d, colour %s, %s."},
    {u8"Wollen Sie das Beispiel wirklich beenden?", u8"Do you really want to quit the sample?"},
    {u8"Rot", u8"Red"},
    {u8"Grün", u8"Green"},
    {u8"Blau", u8"Blue"},
    {u8"mit Benachrichtigung", u8"with notification"},
    {u8"ohne Benachrichtigung", u8"without notification"},
    {u8"Eigenschaften", u8"Properties"},
    {u8"Die Eingaben wurden gespeichert.", u8"The entries have been saved."},
    {u8"Möchten Sie die Änderungen speichern?", u8"Do you want to save the changes?"},
    {u8"Die Datei ist schreibgeschützt. Trotzdem fortfahren?", u8"The file is write-protected. Continue anyway?"},
    {u8"Die Verbindung wurde unterbrochen.", u8"The connection was interrupted."},
    {u8"Klein", u8"Small"},
    {u8"Groß", u8"Large"},
    {u8"Erster Eintrag", u8"First entry"},
    {u8"Zweiter Eintrag", u8"Second entry"},
    {u8"Dritter Eintrag", u8"Third entry"},
    {u8"Hier stellen Sie Titel, Speichern und Darstellung des Beispiels ein.",
     u8"Here you set the sample's title, saving and display."},
    // Status-bar prompts and tooltips.
    {u8"Öffnet das Eingabeformular\nEingaben", u8"Opens the entry form\nEntries"},
    {u8"Sucht nach einem Text\nSuchen", u8"Searches for a text\nFind"},
    {u8"Wählt eine Farbe aus\nFarbe", u8"Chooses a colour\nColour"},
    {u8"Beendet das Beispiel\nBeenden", u8"Quits the sample\nExit"},
    {u8"Blendet die Werkzeugleiste ein oder aus\nWerkzeugleiste", u8"Shows or hides the toolbar\nToolbar"},
    {u8"Blendet die Statusleiste ein oder aus\nStatusleiste", u8"Shows or hides the status bar\nStatus Bar"},
    {u8"Zeigt das Fenster bildschirmfüllend\nVollbild", u8"Shows the window full screen\nFull Screen"},
    {u8"Zeigt alle Arten von Steuerelementen\nSteuerelemente", u8"Shows every kind of control\nControls"},
    {u8"Zeigt einen Dialog, dessen Übersetzung das Layout ändert\nAnschrift",
     u8"Shows a dialog whose translation changes the layout\nAddress"},
    {u8"Öffnet die Eigenschaften\nEigenschaften", u8"Opens the properties\nProperties"},
    {u8"Zeigt eine Information\nInformation", u8"Shows a piece of information\nInformation"},
    {u8"Stellt eine Frage\nFrage", u8"Asks a question\nQuestion"},
    {u8"Zeigt eine Warnung\nWarnung", u8"Shows a warning\nWarning"},
    {u8"Meldet einen Fehler\nFehler", u8"Reports an error\nError"},
    {u8"Zeigt Programminformationen an\nInfo", u8"Shows program information\nAbout"},
    {u8"Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten",
     u8"Allows a new language to be set\nSwitch language"},
};

// Texts that read the same in German and English; the library's entries
// ("Version:", "OK") included.
const char* const kSameInBoth[] = {
    u8"&Name:", u8"&Layout...", u8"&Information", u8"OK", u8"&OK", u8"%s (%d, %s)", u8"Normal", u8"Version:",
    u8"Ver.",
};

}  // namespace

CString SampleText(const char* utf8) {
  const lw::WString wide = lw::Widen(utf8, std::strlen(utf8), CP_UTF8);
  return CString(CStringW(wide.c_str()));
}

bool IsSameInBothLanguages(const CString& german) {
  for (const char* text : kSameInBoth)
    if (german == SampleText(text)) return true;
  return false;
}

bool FindEnglishText(const CString& german, CString& english) {
  for (const TextPair& pair : kEnglish) {
    if (german == SampleText(pair.german)) {
      english = SampleText(pair.english);
      return true;
    }
  }
  if (!IsSameInBothLanguages(german)) return false;
  english = german;
  return true;
}
