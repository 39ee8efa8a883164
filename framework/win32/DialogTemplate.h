// Builds a dialog template in memory (DLGTEMPLATE with its items), for
// dialogs that have no resource.
#pragma once

#include "Framework.h"

#include <vector>

namespace lw {

class DialogTemplate {
 public:
  // Predefined control classes.
  enum : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kScrollBar = 0x84, kComboBox = 0x85 };

  // Position and size in dialog units; with a face name the template has DS_SETFONT.
  DialogTemplate(LPCTSTR caption, DWORD style, short x, short y, short cx, short cy,
                 LPCTSTR fontFace = _T("MS Shell Dlg"), WORD pointSize = 8, DWORD exStyle = 0);

  void AddControl(WORD predefinedClass, LPCTSTR text, WORD id, DWORD style, short x, short y, short cx, short cy,
                  DWORD exStyle = 0);
  void AddControl(LPCTSTR className, LPCTSTR text, WORD id, DWORD style, short x, short y, short cx, short cy,
                  DWORD exStyle = 0);

  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }
  size_t SizeInBytes() const { return m_words.size() * sizeof(WORD); }

 private:
  void AddItemHeader(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id);
  void AddText(LPCTSTR text);
  void AddDword(DWORD value);
  void AlignToDword();

  std::vector<WORD> m_words;
};

}  // namespace lw
