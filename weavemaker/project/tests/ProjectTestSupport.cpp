#include "ProjectTestSupport.h"

namespace lwptest {

Bytes WriteProject(CWizardProject& project) {
  StreamBuilder builder;
  project.Serialize(builder.ar());
  return builder.Finish();
}

ReadResult ReadProject(const Bytes& bytes, CWizardProject& project) {
  Bytes copy = bytes;
  CMemFile file(copy.empty() ? nullptr : copy.data(), static_cast<UINT>(copy.size()));
  try {
    CArchive ar(&file, CArchive::load, 4096);
    return project.Serialize(ar) ? READ_OK : READ_REFUSED;
  } catch (const CException&) {
    return READ_THREW;
  }
}

StreamBuilder::StreamBuilder() : m_ar(new CArchive(&m_file, CArchive::store)) {}

StreamBuilder::~StreamBuilder() { delete m_ar; }

Bytes StreamBuilder::Finish() {
  m_ar->Close();
  return Bytes(m_file.Data(), m_file.Data() + m_file.GetLength());
}

Bytes OneByteTraFile(const char* programName, WORD languageId) {
  StreamBuilder b;
  CArchive& ar = b.ar();
  ar << CStringA("_LINGOWEAVE__LANGUAGE_FILE_") << LONG(30003) << DWORD(1) << DWORD(0);
  ar << CStringA(programName) << CStringA("2.5") << CStringA("Deutsch") << CStringA("Kommentar")
     << CStringA("");
  ar << LONG(0) << languageId << CStringA("2024-05-06") << CStringA("Autor");
  for (int i = 0; i < 1024; ++i) ar << DWORD(i);
  ar << CStringA("NoNode");
  for (int i = 0; i < 256; ++i) ar << LONG(i == 20 ? 1 : 0);
  ar << LONG(0);  // add-on files
  return b.Finish();
}

Bytes OneByteProjectHeader(const char* projectPath, const char* traPath, LONG writeTest, LONG reserved,
                           LONG replaceStart, const char* start, LONG replaceEnd, const char* end) {
  StreamBuilder b;
  b.ar() << CStringA(projectPath) << CStringA(traPath) << writeTest << reserved << replaceStart
         << CStringA(start) << replaceEnd << CStringA(end);
  return b.Finish();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes Int32(LONG value) {
  StreamBuilder b;
  b.ar() << value;
  return b.Finish();
}

Bytes OneByteString(const char* text) {
  StreamBuilder b;
  b.ar() << CStringA(text);
  return b.Finish();
}

std::string Utf8(const CString& s) { return lw::ToNarrow(s, s.GetLength(), CP_UTF8); }

std::vector<std::string> Snapshot(const CWizardProject& p) {
  std::vector<std::string> s;
  const CTraFile* tra = p.GetTraFile();
  s.push_back("project " + Utf8(p.GetProjectPath()));
  s.push_back("tra " + Utf8(p.GetTraPath()));
  s.push_back(std::string("flags ") + (p.m_bWriteTestFile ? "1" : "0") + (p.m_bReplaceLineStart ? "1" : "0") +
              (p.m_bReplaceLineEnd ? "1" : "0"));
  s.push_back("markers " + Utf8(p.m_strLineStart) + "|" + Utf8(p.m_strLineEnd));
  s.push_back("file " + std::to_string(reinterpret_cast<uintptr_t>(tra)));
  s.push_back("header " + Utf8(tra->GetProgramName()) + "|" + Utf8(tra->GetProgramVersion()) + "|" +
              Utf8(tra->GetLanguageName()) + "|" + std::to_string(tra->GetLanguageId()) + "|" +
              std::to_string(tra->GetFlags()));
  s.push_back("root " + (tra->GetRootNode() ? Utf8(tra->GetRootNode()->Dump()) : std::string("none")));
  s.push_back("scripts " + std::to_string(p.GetRcFileCount()));
  for (int i = 0; i < p.GetRcFileCount(); ++i) s.push_back(Utf8(p.GetRcFile(i)));
  return s;
}

void FillSample(CWizardProject& project, int rcFiles) {
  project.SetProjectPath(_T("C:\\Dev\\Sample.lwp"));
  project.SetTraPath(_T("Sample.tra"));
  project.m_bWriteTestFile = false;
  project.m_bReplaceLineStart = true;
  project.m_strLineStart = _T(">>");
  project.m_bReplaceLineEnd = false;
  project.m_strLineEnd = _T("<<");
  for (int i = 0; i < rcFiles; ++i) {
    CString path;
    path.Format(_T("res\\Script%d.rc"), i);
    project.AddRcFile(path);
  }
  CTraFile* tra = project.GetTraFile();
  tra->SetProgramName(_T("Sample"));
  tra->SetProgramVersion(_T("1.0"));
  tra->SetLanguageName(_T("Deutsch"));
  tra->SetLanguageId(0x0407);
  CTraNode* root = new CTraNode(nullptr, _T("RCFile"), _T("RCFileText"), 7);
  CTraNode* dialogs = root->AddChild(std::make_unique<CTraNode>(root, _T("Dialoge"), _T("Dialoge"), 8));
  const RECT translated = {0, 0, 200, 100}, original = {0, 0, 180, 90};
  dialogs->AddChild(std::make_unique<CTraNode>(dialogs,
                                               _T("\x00DC")
                                               _T("ber Sample"),
                                               _T(""), 1, 0, static_cast<LONG>(0x80C80000), translated, original));
  tra->SetRootNode(root);
}

}  // namespace lwptest
