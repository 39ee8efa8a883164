#include "DialogTemplate.h"

namespace lw {

DialogTemplate::DialogTemplate(LPCTSTR caption, DWORD style, short x, short y, short cx, short cy,
                               LPCTSTR fontFace, WORD pointSize, DWORD exStyle) {
  if (fontFace) style |= DS_SETFONT;
  AddDword(style);
  AddDword(exStyle);
  m_words.push_back(0);  // item count, raised by AddControl
  for (short v : {x, y, cx, cy}) m_words.push_back(static_cast<WORD>(v));
  m_words.push_back(0);  // no menu
  m_words.push_back(0);  // standard class
  AddText(caption);
  if (fontFace) {
    m_words.push_back(pointSize);
    AddText(fontFace);
  }
}

void DialogTemplate::AddDword(DWORD value) {
  m_words.push_back(LOWORD(value));
  m_words.push_back(HIWORD(value));
}

void DialogTemplate::AlignToDword() {
  if (m_words.size() % 2) m_words.push_back(0);
}

void DialogTemplate::AddText(LPCTSTR text) {
  CStringW wide(text ? text : _T(""));
  for (int i = 0; i < wide.GetLength(); ++i) m_words.push_back(static_cast<WORD>(wide[i]));
  m_words.push_back(0);
}

void DialogTemplate::AddItemHeader(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id) {
  AlignToDword();
  AddDword(style | WS_CHILD);
  AddDword(exStyle);
  for (short v : {x, y, cx, cy}) m_words.push_back(static_cast<WORD>(v));
  m_words.push_back(id);
  ++m_words[4];  // item count (after style and extended style)
}

void DialogTemplate::AddControl(WORD predefinedClass, LPCTSTR text, WORD id, DWORD style, short x, short y,
                                short cx, short cy, DWORD exStyle) {
  AddItemHeader(style, exStyle, x, y, cx, cy, id);
  m_words.push_back(0xFFFF);
  m_words.push_back(predefinedClass);
  AddText(text);
  m_words.push_back(0);  // no creation data
}

void DialogTemplate::AddControl(LPCTSTR className, LPCTSTR text, WORD id, DWORD style, short x, short y,
                                short cx, short cy, DWORD exStyle) {
  AddItemHeader(style, exStyle, x, y, cx, cy, id);
  AddText(className);
  AddText(text);
  m_words.push_back(0);
}

}  // namespace lw
