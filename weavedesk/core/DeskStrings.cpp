#include "DeskStrings.h"

#include "LwvProgram.h"

#include <cstring>

namespace {

struct DeskString {
  UINT id;
  const char* utf8;
};

const DeskString kDeskStrings[] = {
    {IDS_DESK_ORIGINAL_NOT_OVERWRITTEN,
     "Die Datei '%s'\nist eine Original-Sprachdatei und kann nicht überschrieben werden"},
    {IDS_DESK_BAD_ADDON_PATHS,
     "FEHLER: Die Pfade einer oder mehrerer Zusatzdateien sind falsch.\nLingoweave wurde vom Entwickler falsch "
     "konfiguriert"},
    {IDS_DESK_OVERLAY_TITLE, "Öffnen einer Fremdsprachen-Einblendung"},
    {IDS_DESK_OPEN_TITLE, "Öffnen einer Sprache"},
    {IDS_DESK_TITLE_FORMAT, "%s"},
    {IDS_DESK_SAVE_TITLE, "Speichern einer Sprache"},
    {IDS_DESK_SAVE_QUESTION, "Die aktuelle Sprache wurde noch nicht gespeichert.\nSoll sie jetzt gespeichert werden ?"},
    {IDS_DESK_UPDATE_TITLE, "Fremdsprache neuerer Version wählen"},
    {IDS_DESK_OVERLAY_OTHER_PROGRAM,
     "Die gewählte Sprache ist leider für ein anderes Programm und kann deswegen nicht geöffnet werden."},
    {IDS_DESK_OVERLAY_OTHER_VERSION,
     "Die einzublendende Sprache entspricht offenbar nicht der gleichen Programmversion.\nDeshalb werden bei einigen "
     "Texten evtl. nicht die fremdsprachigen Einblendungen erscheinen."},
    {IDS_DESK_NEW_LANGUAGE, "Neue_Sprache_%i"},
    {IDS_DESK_INVALID_FILE,
     "Die von Ihnen gewählte Sprachdatei ist ungültig. Sie kann deshalb nicht geöffnet werden."},
    {IDS_DESK_REPLACE_REFUSED,
     "Der Text, in dem die Ersetzung durchgeführt werden sollte, hat eine beschränkte Länge.\nDie Ersetzung kann "
     "nicht durchgeführt werden."},
    {IDS_DESK_NOT_FOUND, "Der Text wurde nicht in dem Dokument gefunden."},
    {IDS_DESK_POSITION, "Text %i von %i"},
    {IDS_DESK_TEXT_COUNT, "%i Texte"},
    {IDS_DESK_OFFER_TRANSLATION,
     "Eine Original-Sprachdatei kann nicht verändert werden.\nWollen Sie jetzt eine neue Übersetzung beginnen ?"},
    {IDS_DESK_ORIGINAL_SUFFIX, "(Originalsprache)"},
    {IDS_DESK_UPDATE_OTHER_PROGRAM,
     "Die gewählte Sprache ist für ein anderes Programm bestimmt.\nWollen Sie trotzdem ein Versionsupdate "
     "durchführen ?"},
    {IDS_DESK_SAVE_FAILED,
     "Die Datei '%s'\nkonnte nicht gespeichert werden. Die Sprache ist weiterhin ungespeichert."},
    {IDS_DESK_READ_FAILED, "Die Datei '%s'\nkonnte nicht gelesen werden."},
    {IDS_DESK_LOSSY_TEXTS,
     "%i Texte dieser Sprachdatei enthalten Zeichen, die dieses Programm nicht darstellen kann; sie erscheinen als "
     "'?'.\nBeim Speichern würden diese Texte verändert."},
    {IDS_DESK_LOSSY_SAVE_QUESTION,
     "Die Sprachdatei enthält Texte mit Zeichen, die dieses Programm nicht darstellen kann.\nBeim Speichern werden "
     "diese Zeichen durch '?' ersetzt. Trotzdem speichern ?"},
    // The editor's dialogs.
    {IDS_DESK_ADDON_SIZE, "%d Byte"},
    {IDS_DESK_ADDON_FILTER, "Sprachdatei-Add-On (*.*)|*.*||"},
    {IDS_DESK_ADDON_EXPORT_TITLE, " Exportieren von '%s'"},
    {IDS_DESK_ADDON_NOT_REGISTERED, "Datei %s ist nicht als Zusatzdatei registriert"},
    {IDS_DESK_ADDON_REIMPORTED, "Die Datei '%s' wurde neu-registriert"},
    {IDS_DESK_ADDON_REIMPORT_FAILED, "FEHLER: Die Datei '%s' konnte nicht erneuert werden"},
    {IDS_DESK_ADDON_COLUMN_NAME, "Dateiname        "},
    {IDS_DESK_ADDON_COLUMN_DATE, "letzte Änderung am"},
    {IDS_DESK_ADDON_COLUMN_SIZE, "DateiGröße"},
    {IDS_DESK_ADDON_COLUMN_INFO, "Datei Information                             "},
    {IDS_DESK_ADDON_CAPTION_ORIGINAL, "In der Original-Sprachdatei enthaltene Zusatzdateien"},
    {IDS_DESK_ADDON_CAPTION_TRANSLATION, "In der Übersetzungs-Sprachdatei enthaltene Zusatzdateien"},
    {IDS_DESK_ORIGINALS_QUESTION,
     "Wollen Sie wirklich alles auf die Originalwerte zurücksetzen?\r\nSie können dies nicht mehr rückgängig machen."},
    {IDS_DESK_UNDO_ALL_QUESTION,
     "Wollen Sie wirklich alle Änderungen verwerfen?\r\nSie können dies nicht mehr rückgängig machen."},
    {IDS_DESK_ADDON_EXPORT_REPLACE, "Die Datei '%s' gibt es schon.\nSoll sie ersetzt werden ?"},
    {IDS_DESK_ADDON_EXPORT_FAILED, "FEHLER: Die Datei '%s' konnte nicht geschrieben werden"},
};

CString BuiltInText(UINT id) {
  for (const DeskString& s : kDeskStrings) {
    if (s.id == id) {
      lw::WString wide = lw::Widen(s.utf8, strlen(s.utf8), CP_UTF8);
      return CString(lw::FromWide(wide.data(), wide.size()));
    }
  }
  return CString();
}

}  // namespace

CString DeskText(UINT id) {
  CString text;
  LWLoadString(text, id);
  return text.IsEmpty() ? BuiltInText(id) : text;
}

CString DeskTextWith(UINT id, const CString& argument) {
  CString text;
  text.Format(DeskText(id), argument.GetString());
  return text;
}

CString DeskTextWith(UINT id, int argument) {
  CString text;
  text.Format(DeskText(id), argument);
  return text;
}
