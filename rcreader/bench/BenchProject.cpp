#include "BenchProject.h"

#include <cstdio>
#include <cstdlib>

namespace {

// One script of about the given size: dialogs, a menu and string tables.
std::string MakeScript(int index, size_t bytes) {
  std::string s = "// generated script\n#include \"resource.h\"\n\n";
  int n = 0;
  while (s.size() < bytes) {
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "IDD_DIALOG_%d_%d DIALOGEX 0, 0, 320, 200\nSTYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION "
                  "| WS_SYSMENU\nCAPTION \"Dialog %d of script %d\"\nFONT 8, \"MS Shell Dlg\", 400, 0, 0x1\nBEGIN\n",
                  index, n, n, index);
    s += buf;
    for (int c = 0; c < 12; ++c) {
      std::snprintf(buf, sizeof buf,
                    "    LTEXT           \"Label number %d:\", IDC_STATIC, 7, %d, 80, 8\n"
                    "    EDITTEXT        IDC_EDIT%d, 90, %d, 150, 14, ES_AUTOHSCROLL\n",
                    c, 7 + 16 * c, c, 5 + 16 * c);
      s += buf;
    }
    s += "    DEFPUSHBUTTON   \"OK\", IDOK, 263, 7, 50, 14\n    PUSHBUTTON      \"Cancel\", IDCANCEL, 263, 24, 50, "
         "14\n    CONTROL         \"Check\", IDC_CHECK, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 180, 60, 10\n"
         "END\n\n";
    std::snprintf(buf, sizeof buf, "IDR_MENU_%d_%d MENU\nBEGIN\n    POPUP \"&File\"\n    BEGIN\n", index, n);
    s += buf;
    for (int m = 0; m < 8; ++m) {
      std::snprintf(buf, sizeof buf, "        MENUITEM \"Command &%d\\tCtrl+%d\", ID_CMD_%d\n", m, m, m);
      s += buf;
    }
    s += "        MENUITEM SEPARATOR\n        MENUITEM \"E&xit\", ID_APP_EXIT\n    END\nEND\n\nSTRINGTABLE\nBEGIN\n";
    for (int t = 0; t < 20; ++t) {
      std::snprintf(buf, sizeof buf, "    IDS_STRING_%d_%d   \"Text number %d of table %d with \\\"quotes\\\"\"\n", n, t,
                    t, n);
      s += buf;
    }
    s += "END\n\n";
    ++n;
  }
  return s;
}

}  // namespace

bool WriteBenchProject(const std::string& folder, double megabytes, std::vector<CString>& paths, size_t& total) {
  const int kScripts = 8;
  const size_t perScript = static_cast<size_t>(megabytes * 1024 * 1024 / kScripts);
  if (std::system(("mkdir -p '" + folder + "'").c_str()) != 0) return false;
  total = 0;
  for (int i = 0; i < kScripts; ++i) {
    const std::string text = MakeScript(i, perScript);
    const std::string path = folder + "/script" + std::to_string(i) + ".rc";
    const CString name = CString(CStringA(path.c_str()));
    CFile f(name, CFile::modeCreate | CFile::modeWrite);
    f.Write(text.data(), static_cast<UINT>(text.size()));
    total += text.size();
    paths.push_back(name);
  }
  return true;
}
