// The assistant's German resource strings for the composer tests, with an
// optional translation laid over them.
#pragma once

#include "GuideStrings.h"
#include "CodePage.h"

#include <cstring>
#include <map>

namespace lwtest {

inline CString U8(const char* text) {
  auto converted = lw::FromNarrow(text, strlen(text), CP_UTF8);
  return CString(converted.c_str());
}

class GermanStrings : public CGuideStrings {
 public:
  GermanStrings() {
    const std::pair<UINT, const char*> texts[] = {
        {102, "Lwv30.lib\t\tfür Release-Konfigurationen\nLwv30D.lib\t\tfür Debug-Konfigurationen\n"
              "Lwv30U.lib\t\tfür Unicode-Release-Konfigurationen\nLwv30UD.lib\t\tfür Unicode-Debug-Konfigurationen"},
        {103, "Lwv30.lib\t\tfür Release-Konfigurationen\nLwv30D.lib\t\tfür Debug-Konfigurationen"},
        {104, "Lwv30U.lib\t\tfür Unicode-Release-Konfigurationen\nLwv30UD.lib\t\tfür Unicode-Debug-Konfigurationen"},
        {105, "Datei %s, Zeile %i (Klasse %s)\r\n%s\r\neintragen:\r\n%s"},
        {106, "Datei %s, Zeile %i\r\n\t%s\r\nersetzen durch\r\n%s"},
    };
    for (const auto& t : texts) m_original[t.first] = U8(t.second);
  }
  void Translate(UINT id, const char* text) { m_translated[id] = U8(text); }

  CString Load(UINT id) const override {
    auto it = m_translated.find(id);
    return it != m_translated.end() ? it->second : LoadOriginal(id);
  }
  CString LoadOriginal(UINT id) const override {
    auto it = m_original.find(id);
    return it != m_original.end() ? it->second : CString();
  }

 private:
  std::map<UINT, CString> m_original;
  std::map<UINT, CString> m_translated;
};

}  // namespace lwtest
