#include "ProgramTexts.h"

#include "RuntimeSeams.h"

CString CProgramTexts::Original(UINT id) const {
  CString text;
  if (text.LoadString(id) && !text.IsEmpty()) return text;
  return m_builtIn ? m_builtIn(id) : CString();
}

CString CProgramTexts::Text(UINT id) const {
  const CString original = Original(id);
  CString text = original;
  LwTranslateProgramText(text);
  return text.IsEmpty() ? original : text;
}

CString CProgramTexts::FormatText(UINT id) const { return LwChooseFormat(Original(id), Text(id)); }

CString CProgramTexts::FormatArgs(UINT id, const std::vector<LwFormatArg>& args) const {
  const CString original = Original(id);
  CString text;
  if (LwFormatArgs(LwChooseFormat(original, Text(id)), args, text)) return text;
  if (LwFormatArgs(original, args, text)) return text;
  // The program's own format does not take these arguments: shown as it is.
  return original;
}

const CProgramTexts& LwStringTableTexts() {
  static const CProgramTexts texts;
  return texts;
}
