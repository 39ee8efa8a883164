// Opening a language file in the editor and saving it without touching a
// text gives the same tree: the project's golden files, the sample's files
// and a file with CRLF texts, single percent signs and an add-on folder
// beside it, each opened from a folder that holds the add-on folders its
// files name. The views are a headless view that builds its blocks and
// writes every block back on save, as the edit view does.
#include "DeskDocument.h"
#include "DeskTestSupport.h"
#include "HeadlessDocHost.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using desktest::Add;
using desktest::AddControl;
using desktest::MakeFile;

namespace {

// Every difference between two subtrees, as "path: what" lines.
void Compare(const CTraNode& a, const CTraNode& b, const CString& path, std::vector<CString>& differences) {
  auto differ = [&](const TCHAR* what) { differences.push_back(path + _T(": ") + what); };
  if (a.GetOriginal() != b.GetOriginal()) differ(_T("original"));
  if (a.GetTranslation() != b.GetTranslation()) differ(_T("translation"));
  if (a.GetKind() != b.GetKind()) differ(_T("kind"));
  if (a.GetState() != b.GetState()) differ(_T("state"));
  if ((a.GetLayout() == nullptr) != (b.GetLayout() == nullptr)) {
    differ(_T("layout"));
  } else if (a.GetLayout()) {
    const CTraLayout& x = *a.GetLayout();
    const CTraLayout& y = *b.GetLayout();
    if (memcmp(&x.m_rcOriginal, &y.m_rcOriginal, sizeof(RECT)) != 0 ||
        memcmp(&x.m_rcTranslated, &y.m_rcTranslated, sizeof(RECT)) != 0 || x.m_nStyle != y.m_nStyle ||
        x.m_nExStyle != y.m_nExStyle || x.m_strFontFace != y.m_strFontFace || x.m_nFontSize != y.m_nFontSize)
      differ(_T("layout"));
  }
  if (a.GetChildCount() != b.GetChildCount()) {
    differ(_T("children"));
    return;
  }
  for (int i = 0; i < a.GetChildCount(); ++i)
    Compare(*a.GetChild(i), *b.GetChild(i), path + _T("/") + a.GetChild(i)->GetOriginal(), differences);
}

// A translation as translators' files are: CRLF texts, single and doubled
// percent signs, format texts with conversions, control texts of every
// kind, and an add-on file whose folder lies beside the file.
CString MakeHeldOutStyleFile(const CString& folder) {
  auto file = MakeFile(_T("Demo"), false);
  CTraNode* root = file->GetRootNode();
  CTraNode* strings = root->GetChild(2)->GetChild(0);
  const TCHAR* texts[] = {
      _T("Zeile 1\r\nZeile 2"),
      _T("Zeile 1\r\nZeile 2\r\n"),
      _T("\r\n"),
      _T("Fortschritt: %d %"),
      _T("100% %d"),
      _T("50% off"),
      _T("%d%% fertig\r\nnoch %s %"),
      _T("Rabatt 10%"),
      _T("%%%d %"),
      _T("a % b %% c %5.2f"),
      _T("Datei: %I64d Bytes, %lq"),
      _T("%1 von %12"),
      _T("Nur\rWagenrücklauf"),
      _T("Tab\tund %-3s\r\n%"),
      _T(""),
  };
  for (const TCHAR* text : texts) Add(strings, text, text, TRA_STRING)->SetState(TRA_STATE_NEW);
  CTraNode* dialog = root->GetChild(1)->GetChild(0);
  AddControl(dialog, _T("100%"), _T("100%\r\nsicher"), TRA_PUSHBUTTON, 60);
  AddControl(dialog, _T("Gruppe %"), _T("Gruppe %"), TRA_GROUPBOX, 80);
  AddControl(dialog, _T("&Ja\r\nNein"), _T("&Ja\r\nNein"), TRA_CHECKBOX, 40);
  root->PropagateStates();
  file->GetAddOnFiles()->Append(new CAddOnFile(_T("liesmich.txt"), _T("hilfe\\"), CString()));
  const CString path = folder + _T("HeldOut.tra");
  EXPECT_TRUE(LwWriteLanguageFile(path, *file));
  return path;
}

// path copied into folder; the copy's path.
CString CopyInto(const CString& path, const CString& folder) {
  const std::vector<BYTE> bytes = lwtest::ReadFileBytes(path);
  EXPECT_FALSE(bytes.empty());
  const int slash = std::max(path.ReverseFind(_T('/')), path.ReverseFind(_T('\\')));
  const CString copy = folder + path.Mid(slash + 1);
  FILE* out = fopen(lw::HostPath(copy).c_str(), "wb");
  EXPECT_NE(nullptr, out);
  if (!out) return copy;
  fwrite(bytes.data(), 1, bytes.size(), out);
  fclose(out);
  return copy;
}

struct Editor {
  CQueuedUiServices ui;
  CHeadlessDocHost host;
  CDeskDocument doc{ui, host};
  Editor() { host.m_pDoc = &doc; }
};

TEST(DeskRoundTrip, UntouchedFilesSaveTheSameTree) {
  const CString folder = lwtest::FreshScratchDir("desk_round_trip");
  for (const TCHAR* addOns : {_T("help"), _T("hilfe")}) ASSERT_TRUE(lwtest::MakeFolder(folder + addOns));
  const CString source = CString(LW_SOURCE_DIR) + _T("/");
  std::vector<CString> paths;
  for (const TCHAR* name : {_T("sample_ansi_30003.tra"), _T("sample_unicode_30003.tra"), _T("sample_14000.tra"),
                            _T("sample_29000.tra"), _T("sample_30001.tra"), _T("sample_30002.tra")})
    paths.push_back(CopyInto(source + _T("lwv/tests/data/") + name, folder));
  paths.push_back(CopyInto(source + _T("samples/LwvSample.tra"), folder));
  paths.push_back(CopyInto(source + _T("samples/LwvSampleEN.tra"), folder));
  paths.push_back(MakeHeldOutStyleFile(folder));
  int index = 0;
  for (const CString& path : paths) {
    SCOPED_TRACE(CStringA(path).GetString());
    CTraFile expected;
    ASSERT_TRUE(LwReadLanguageFile(path, expected, LW_READ_WHOLE));
    Editor editor;
    editor.ui.QueueFile(path);
    ASSERT_TRUE(editor.doc.OpenLanguageFile());
    ASSERT_GT(editor.host.m_view.m_blocks.GetCount(), 0);
    EXPECT_TRUE(editor.ui.Messages().empty()) << CStringA(editor.ui.Messages()[0].text).GetString();
    CString saved;
    saved.Format(_T("%ssaved_%d.tra"), folder.GetString(), index++);
    editor.ui.QueueFile(saved);
    ASSERT_TRUE(editor.doc.SaveAs());
    EXPECT_EQ(0, editor.ui.Unanswered());

    CTraFile back;
    ASSERT_TRUE(LwReadLanguageFile(saved, back, LW_READ_WHOLE));
    std::vector<CString> differences;
    Compare(*expected.GetRootNode(), *back.GetRootNode(), _T(""), differences);
    for (const CString& d : differences) ADD_FAILURE() << CStringA(d).GetString();
    EXPECT_EQ(expected.GetFlags(), back.GetFlags());
    // Saved again as read: the same bytes.
    const CString rewritten = saved + _T(".model");
    ASSERT_TRUE(LwWriteLanguageFile(rewritten, expected));
    EXPECT_EQ(lwtest::ReadFileBytes(rewritten), lwtest::ReadFileBytes(saved));
  }
}

}  // namespace
