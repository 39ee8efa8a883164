#include "ScriptGuideStrings.h"

#include "RcFileSet.h"
#include "ResProblemLog.h"
#include "ResStringTable.h"

#include <string>

namespace {

// "#define NAME 123" lines of a header.
bool ReadDefines(const CString& path, std::map<CString, UINT>& defines) {
  CStdioFile file;
  if (!file.Open(path, CFile::modeRead)) return false;
  CString line;
  while (file.ReadString(line)) {
    line.Trim();
    if (line.Left(7) != _T("#define")) continue;
    CString rest = line.Mid(7).Trim();
    const int blank = rest.FindOneOf(_T(" \t"));
    if (blank <= 0) continue;
    const CString name = rest.Left(blank);
    const CString value = rest.Mid(blank).Trim();
    TCHAR* end = nullptr;
    const unsigned long number = _tcstoul(value, &end, 0);
    if (end && *end == 0 && !value.IsEmpty()) defines[name] = static_cast<UINT>(number);
  }
  return true;
}

}  // namespace

bool CScriptGuideStrings::ReadScript(const CString& script, const CString& idsHeader, CString& error) {
  std::map<CString, UINT> defines;
  if (!ReadDefines(idsHeader, defines)) {
    error = _T("cannot read ") + idsHeader;
    return false;
  }
  try {
    CRcFileSet scripts(&script, 1, nullptr, 0, 0);
    CResProblemLog log;
    std::unique_ptr<CResFile> resources = scripts.BuildResFile(log);
    CResGroup& tables = resources->StringTables();
    for (int t = 0; t < tables.GetCount(); ++t) {
      const auto* table = static_cast<const CResStringTable*>(tables.GetItem(t));
      for (int i = 0; i < table->GetCount(); ++i) {
        auto named = defines.find(table->GetId(i));
        TCHAR* end = nullptr;
        const UINT id = named != defines.end() ? named->second
                                               : static_cast<UINT>(_tcstoul(table->GetId(i), &end, 0));
        if (named != defines.end() || (end && *end == 0)) m_texts[id] = table->GetText(i);
      }
    }
  } catch (const CException& e) {
    error = e.GetErrorMessage();
    return false;
  }
  if (m_texts.empty()) {
    error = script + _T(" holds no string table");
    return false;
  }
  return true;
}

CString CScriptGuideStrings::Load(UINT id) const {
  auto it = m_texts.find(id);
  return it != m_texts.end() ? it->second : CString();
}
