#include <gtest/gtest.h>

#include "LwvTestSupport.h"
#include "TraFile.h"

#include <cstring>

using namespace lwvtest;

namespace {

// Raw stream pieces for hand-made (hostile) files.
class StreamBuilder {
 public:
  StreamBuilder() : m_ar(new CArchive(&m_mem, CArchive::store)) {}
  ~StreamBuilder() { delete m_ar; }
  CArchive& ar() { return *m_ar; }
  void Header(int version, const CString& magic = TRA_MAGIC) {
    ar() << magic << static_cast<int32_t>(version) << static_cast<DWORD>(1) << static_cast<DWORD>(0);
    for (int i = 0; i < 5; ++i) ar() << CString(_T("t"));
    ar() << static_cast<int32_t>(0);
    if (version >= 30002) ar() << static_cast<WORD>(7) << CString(_T("d")) << CString(_T("a"));
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ar() << static_cast<DWORD>(0);
  }
  void Node(int children, int kind) {
    ar() << static_cast<int32_t>(children) << CString(_T("o")) << CString(_T("t")) << static_cast<int32_t>(kind);
  }
  std::vector<BYTE> Bytes() {
    m_ar->Close();
    return std::vector<BYTE>(m_mem.Data(), m_mem.Data() + m_mem.GetLength());
  }

 private:
  CMemFile m_mem;
  CArchive* m_ar;
};

// Reading must fail with an archive exception.
void ExpectRefused(const std::vector<BYTE>& bytes, const char* what) {
  CTraFile file;
  bool refused = false;
  try {
    ReadFromBytes(bytes, file);
  } catch (const CArchiveException&) {
    refused = true;
  }
  EXPECT_TRUE(refused) << what;
}

TEST(TraFormat, NewFileRoundTrip) {
  CTraFile file;
  file.SetReserved(-77);
  auto back = RoundTrip(file);
  EXPECT_EQ(30003, back->GetVersion());
  EXPECT_EQ(1u, back->GetFlags());
  EXPECT_EQ(0u, back->GetCarriedValue());
  EXPECT_EQ(0, back->GetLanguageId());
  EXPECT_EQ(0, back->GetAddOnFiles()->GetCount());
  EXPECT_EQ(-77, back->GetReserved());
  EXPECT_EQ(nullptr, back->GetRootNode());
}

TEST(TraFormat, NoTreeIsWrittenAsNoNode) {
  CTraFile file;
  std::vector<BYTE> bytes = WriteToBytes(file);
  std::string raw(bytes.begin(), bytes.end());
#ifdef _UNICODE
  const char marker[] = {'N', 0, 'o', 0, 'N', 0, 'o', 0, 'd', 0, 'e', 0};
#else
  const char marker[] = {'N', 'o', 'N', 'o', 'd', 'e'};
#endif
  EXPECT_NE(std::string::npos, raw.find(std::string(marker, sizeof marker)));
}

TEST(TraFormat, SampleFileRoundTripsCompletely) {
  auto file = MakeSampleFile();
  auto back = RoundTrip(*file);
  ExpectSameFile(*file, *back);
}

TEST(TraFormat, LayoutKindWithoutLayoutIsWrittenWithAnEmptyOne) {
  CTraFile file(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
  AddNode(file.GetRootNode(), _T("SysListView32"), _T(""), TRA_COMMONCONTROL);
  AddNode(file.GetRootNode(), _T("Dlg"), _T(""), TRA_DIALOG);
  AddNode(file.GetRootNode(), _T("Next"), _T(""), TRA_STRING);
  auto back = RoundTrip(file);
  ASSERT_EQ(3, back->GetRootNode()->GetChildCount());
  const CTraNode* listView = back->GetRootNode()->GetChild(0);
  ASSERT_NE(nullptr, listView->GetLayout());
  EXPECT_EQ(0, listView->GetLayout()->m_nStyle);
  EXPECT_EQ(back->GetRootNode()->GetChild(2)->GetOriginal(), _T("Next"));
}

TEST(TraFormat, OptionBlockIsStoredAsZeroOrOne) {
  CTraFile file;
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[3] = 7;
  options[255] = 1;
  file.SetStdDialogOptions(options);
  std::vector<BYTE> bytes = WriteToBytes(file);
  auto back = RoundTrip(file);
  EXPECT_EQ(1, back->GetStdDialogOptions()[3]);
  EXPECT_EQ(1, back->GetStdDialogOptions()[255]);
  EXPECT_EQ(0, back->GetStdDialogOptions()[4]);

  // Stored values other than 1 read back as 0.
  StreamBuilder b;
  b.Header(30002);
  b.ar() << CString(_T("NoNode"));
  for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(i == 3 ? 2 : i == 4 ? 1 : i == 5 ? -1 : 0);
  CTraFile read;
  ReadFromBytes(b.Bytes(), read);
  EXPECT_EQ(0, read.GetStdDialogOptions()[3]);
  EXPECT_EQ(1, read.GetStdDialogOptions()[4]);
  EXPECT_EQ(0, read.GetStdDialogOptions()[5]);
  EXPECT_EQ(7, read.GetLanguageId());
}

TEST(TraFormat, OldVersionsKeepSizesOnly) {
  auto file = MakeSampleFile();
  file->SetVersion(29000);
  auto back = RoundTrip(*file);
  const CTraNode* dialogs = back->GetRootNode()->GetChild(1);
  const CTraNode* dialog = dialogs->GetChild(0);
  ASSERT_NE(nullptr, dialog->GetLayout());
  EXPECT_TRUE(dialog->GetLayout()->IsSizeOnly());
  // A placed rectangle has no size-only form: 9999 x 9999.
  EXPECT_EQ(9999, dialog->GetLayout()->GetWidth());
  EXPECT_EQ(9999, dialog->GetLayout()->GetHeight());
  EXPECT_TRUE(dialog->GetLayout()->m_strFontFace.IsEmpty());
  const CTraNode* info = dialogs->GetChild(1);
  EXPECT_EQ(120, info->GetLayout()->GetWidth());
  EXPECT_EQ(60, info->GetLayout()->GetHeight());
  // Kinds without layout read and drop the two numbers.
  EXPECT_EQ(nullptr, back->GetRootNode()->GetChild(0)->GetLayout());
  // Reading and writing again keeps the sizes.
  auto again = RoundTrip(*back);
  ExpectSameFile(*back, *again);
  EXPECT_EQ(29000, again->GetVersion());
}

TEST(TraFormat, VersionRulesForHeaderFields) {
  struct Case {
    int version;
    bool keepsLanguage;
    bool keepsDateAuthor;
    bool options;
    bool addOns;
  } cases[] = {
      {14000, false, false, false, false}, {15000, false, false, true, false}, {29000, false, false, true, false},
      {30000, false, false, true, false},  {30001, true, false, true, false},  {30002, true, true, true, false},
      {30003, true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    auto file = MakeSampleFile();
    file->SetVersion(c.version);
    std::vector<BYTE> bytes = WriteToBytes(*file);
    // The writer clears what the version cannot hold.
    EXPECT_EQ(c.keepsLanguage ? MAKELANGID(9, 1) : 0, file->GetLanguageId());
    EXPECT_EQ(!c.keepsDateAuthor, file->GetAuthor().IsEmpty());
    EXPECT_EQ(!c.keepsDateAuthor, file->GetDate().IsEmpty());
    CTraFile back;
    ReadFromBytes(bytes, back);
    EXPECT_EQ(c.version, back.GetVersion());
    EXPECT_EQ(c.keepsLanguage ? MAKELANGID(9, 1) : 0, back.GetLanguageId());
    EXPECT_EQ(c.keepsDateAuthor, back.GetAuthor() == _T("Autorin"));
    EXPECT_EQ(c.options, back.GetStdDialogOptions()[20] == 1);
    EXPECT_EQ(c.addOns ? 2 : 0, back.GetAddOnFiles()->GetCount());
    EXPECT_EQ(0x12345678, back.GetReserved());
    EXPECT_EQ(0xCAFEu, back.GetCarriedValue());
    EXPECT_EQ(21, back.GetRootNode()->CountNodes());
  }
}

// The version a file is saved in to keep what it holds: an older one from
// 30000 on is raised only where it would drop something.
TEST(TraFormat, VersionHoldingWhatTheFileHas) {
  struct Case {
    int version;
    bool author, language, addOn;
    int holding;
  } cases[] = {
      {30000, false, false, false, 30000}, {30000, false, true, false, TRA_VERSION},
      {30000, true, false, false, TRA_VERSION}, {30001, false, true, false, 30001},
      {30001, true, false, false, TRA_VERSION}, {30002, true, true, false, 30002},
      {30002, false, false, true, TRA_VERSION}, {30003, true, true, true, 30003},
      {29000, true, true, true, 29000},         {14000, true, false, true, 14000},
  };
  for (const Case& c : cases) {
    CTraFile file;
    file.SetVersion(c.version);
    if (c.author) file.SetAuthor(_T("Autorin"));
    if (c.language) file.SetLanguageId(MAKELANGID(9, 1));
    if (c.addOn) file.GetAddOnFiles()->Append(new CAddOnFile(_T("a.txt"), _T(""), _T("")));
    EXPECT_EQ(c.holding, LwVersionHolding(file)) << c.version << " " << c.author << c.language << c.addOn;
  }
}

TEST(TraFormat, Version30001KeepsItsLanguageIdOnEveryRewrite) {
  auto file = MakeSampleFile();
  file->SetVersion(30001);
  auto once = RoundTrip(*file);
  auto twice = RoundTrip(*once);
  EXPECT_EQ(MAKELANGID(9, 1), twice->GetLanguageId());
}

TEST(TraFormat, HeaderOnlyAndHeaderAndFlag) {
  auto file = MakeSampleFile();
  std::vector<BYTE> bytes = WriteToBytes(*file);
  {
    CMemFile mem(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&mem, CArchive::load);
    CTraFile header;
    header.SerializeHeaderOnly(ar);
    EXPECT_EQ(header.GetProgramName(), _T("Demo"));
    EXPECT_EQ(header.GetAuthor(), _T("Autorin"));
    EXPECT_EQ(MAKELANGID(9, 1), header.GetLanguageId());
    EXPECT_EQ(RGB(192, 192, 192), header.GetFlagPixel(5));
    EXPECT_EQ(nullptr, header.GetRootNode());
  }
  {
    CMemFile mem(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&mem, CArchive::load);
    CTraFile flag;
    flag.SerializeHeaderAndFlag(ar);
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(file->GetFlagPixel(i), flag.GetFlagPixel(i));
    EXPECT_EQ(nullptr, flag.GetRootNode());
  }
  {
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file->SerializeHeaderOnly(ar);
    file->SerializeHeaderAndFlag(ar);
    ar.Close();
    EXPECT_EQ(0u, mem.GetLength());
  }
}

// The reader shows nothing: a stream without the magic is refused as no
// language file, which a loader tells from a damaged one.
bool RefusedAsNoLanguageFile(const std::vector<BYTE>& bytes) {
  CTraFile file;
  try {
    ReadFromBytes(bytes, file);
  } catch (const CNotLanguageFileException&) {
    return true;
  } catch (const CArchiveException&) {
  }
  return false;
}

TEST(TraFormat, WrongMagicIsRefusedAsNoLanguageFile) {
  const char* garbage[] = {"", "x", "\x05hello", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"};
  for (const char* g : garbage) EXPECT_TRUE(RefusedAsNoLanguageFile(std::vector<BYTE>(g, g + strlen(g)))) << g;
  StreamBuilder b;
  b.Header(30003, _T("_LINGOWEAVE__LANGUAGE_FILE"));
  std::vector<BYTE> bytes = b.Bytes();
  CMemFile mem(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&mem, CArchive::load);
  CTraFile header;
  EXPECT_THROW(header.SerializeHeaderOnly(ar), CNotLanguageFileException);
  EXPECT_TRUE(header.GetProgramName().IsEmpty());
  // A damaged file is no "no language file".
  std::vector<BYTE> good = WriteToBytes(*MakeSampleFile());
  EXPECT_FALSE(RefusedAsNoLanguageFile(std::vector<BYTE>(good.begin(), good.begin() + 200)));
}

// A text of the stream with a NUL and more after the given text.
CString WithTail(LPCTSTR text) {
  CString s(text);
  s += CString(_T('\0'), 1);
  s += _T("tail");
  return s;
}

TEST(TraFormat, MagicComparesAsAWholeString) {
  StreamBuilder b;
  b.Header(30003, WithTail(TRA_MAGIC));
  b.ar() << CString(TRA_NO_TREE_MARKER);
  for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(0);
  b.ar() << static_cast<int32_t>(0);
  EXPECT_TRUE(RefusedAsNoLanguageFile(b.Bytes()));
}

TEST(TraFormat, TreeMarkerComparesAsAWholeString) {
  // "NodeThere" with a tail is just another text: no tree, and the option
  // block is read as the option block.
  StreamBuilder b;
  b.Header(30003);
  b.ar() << WithTail(TRA_TREE_MARKER);
  for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(i == 3 ? 1 : 0);
  b.ar() << static_cast<int32_t>(0);
  CTraFile file;
  ASSERT_NO_THROW(ReadFromBytes(b.Bytes(), file));
  EXPECT_EQ(nullptr, file.GetRootNode());
  EXPECT_EQ(1, file.GetStdDialogOptions()[3]);
  EXPECT_EQ(0, file.GetStdDialogOptions()[4]);
}

TEST(TraFormat, EveryTruncationFailsCleanly) {
  auto file = MakeSampleFile();
  std::vector<BYTE> bytes = WriteToBytes(*file);
  for (size_t n = 0; n < bytes.size(); ++n) {
    std::vector<BYTE> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    CTraFile back;
    bool failed = false;
    try {
      ReadFromBytes(cut, back);
    } catch (const CArchiveException&) {
      failed = true;
    }
    ASSERT_TRUE(failed) << "prefix of " << n << " bytes";
  }
}

TEST(TraFormat, ImpossibleCountsAndLengthsAreRefused) {
  {
    StreamBuilder b;
    b.Header(30003);
    b.ar() << CString(_T("NodeThere"));
    b.Node(-1, TRA_RCFILE);
    b.ar() << static_cast<int32_t>(0);
    ExpectRefused(b.Bytes(), "negative child count");
  }
  {
    StreamBuilder b;
    b.Header(30003);
    b.ar() << CString(_T("NodeThere"));
    b.Node(0x7FFFFFFF, TRA_RCFILE);
    b.ar() << static_cast<int32_t>(0);
    ExpectRefused(b.Bytes(), "child count beyond the data");
  }
  for (int count : {-1, 129, 0x7FFFFFFF}) {
    StreamBuilder b;
    b.Header(30003);
    b.ar() << CString(_T("NoNode"));
    for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(0);
    b.ar() << static_cast<int32_t>(count);
    for (int i = 0; i < 130; ++i) {  // enough records for 129 entries
      for (int t = 0; t < 5; ++t) b.ar() << CString(_T("n"));
      b.ar() << static_cast<int32_t>(0) << static_cast<int32_t>(0);
    }
    ExpectRefused(b.Bytes(), "add-on count");
  }
  for (int length : {-1, -0x7FFFFFFF, 100, 0x7FFFFFFF}) {
    StreamBuilder b;
    b.Header(30003);
    b.ar() << CString(_T("NoNode"));
    for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(0);
    b.ar() << static_cast<int32_t>(1);
    for (int t = 0; t < 5; ++t) b.ar() << CString(_T("n"));
    b.ar() << static_cast<int32_t>(0) << static_cast<int32_t>(length);
    b.ar().Write("abc", 3);
    ExpectRefused(b.Bytes(), "add-on length");
  }
  {
    // A text claiming more characters than the file holds.
    StreamBuilder b;
    b.Header(30003);
    b.ar() << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(0x7FFFFFF0);
    ExpectRefused(b.Bytes(), "text length");
  }
}

// A chain of nested nodes, each with one child, as a stream.
std::vector<BYTE> Chain(int depth) {
  StreamBuilder b;
  b.Header(30003);
  b.ar() << CString(_T("NodeThere"));
  for (int i = 0; i <= depth; ++i) {
    b.Node(i < depth ? 1 : 0, TRA_POPUP);
    b.ar() << static_cast<int32_t>(0);
  }
  for (int i = 0; i < TRA_OPTION_COUNT; ++i) b.ar() << static_cast<int32_t>(0);
  b.ar() << static_cast<int32_t>(0);
  return b.Bytes();
}

TEST(TraFormat, NestingIsBounded) {
  CTraFile ok;
  ReadFromBytes(Chain(TRA_MAX_DEPTH), ok);
  const CTraNode* deepest = ok.GetRootNode();
  while (deepest->GetChildCount()) deepest = deepest->GetChild(0);
  EXPECT_EQ(TRA_MAX_DEPTH, deepest->GetDepth());
  ExpectRefused(Chain(TRA_MAX_DEPTH + 1), "one level too deep");
  ExpectRefused(Chain(100000), "very deep");
}

// A read node takes its children's array at once, of the size adding them
// one by one leaves (steps of ten), in the order of the file.
TEST(TraFormat, ReadChildrenKeepOrderAndTheCapacityOfAddingThem) {
  for (int count : {0, 1, 9, 10, 11, 549}) {
    CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
    CTraFile written(root);
    CTraNode* parent = AddNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
    for (int i = 0; i < count; ++i) {
      CString name;
      name.Format(_T("s%d"), i);
      AddNode(parent, name, name, TRA_STRING);
    }
    CTraFile read;
    ReadFromBytes(WriteToBytes(written), read);
    const CTraNode* got = read.GetRootNode()->GetChild(0);
    ASSERT_NE(nullptr, got) << count;
    EXPECT_EQ(parent->GetCapacity(), got->GetCapacity()) << count;
    ASSERT_EQ(count, got->GetChildCount()) << count;
    for (int i = 0; i < count; ++i) EXPECT_EQ(parent->GetChild(i)->GetOriginal(), got->GetChild(i)->GetOriginal());
  }
}

TEST(TraFormat, ReadingReplacesEverythingOfAnEarlierRead) {
  for (int version : {30003, 30002, 14000}) {
    auto file = MakeSampleFile();
    file->BuildStringIndex();
    CTraFile empty;
    empty.SetVersion(version);
    ReadFromBytes(WriteToBytes(empty), *file);
    EXPECT_EQ(nullptr, file->GetRootNode()) << version;
    EXPECT_EQ(nullptr, file->GetStringIndex(TRA_PART_WHOLE)) << version;
    EXPECT_EQ(0, file->GetAddOnFiles()->GetCount()) << version;
    EXPECT_EQ(0, file->GetStdDialogOptions()[20]) << version;
    EXPECT_EQ(0, file->GetLanguageId()) << version;
  }
}

TEST(TraFormat, FlagBitsKeepEachOther) {
  CTraFile file;
  file.SetFlags(0xF0);
  file.SetOriginal(true);
  file.SetWizardMark(true);
  file.SetBadAddOnPaths(true);
  file.SetAddOnFilesImported(true);
  EXPECT_EQ(0xFFu, file.GetFlags());
  file.SetWizardMark(false);
  file.SetOriginal(false);
  EXPECT_EQ(0xFCu, file.GetFlags());
  EXPECT_TRUE(file.HasBadAddOnPaths());
  EXPECT_TRUE(file.AreAddOnFilesImported());
  EXPECT_FALSE(file.IsOriginal());
  EXPECT_FALSE(file.GetWizardMark());
  auto back = RoundTrip(file);
  EXPECT_EQ(0xFCu, back->GetFlags());
}

TEST(TraFormat, DateTodayAndFlagCopy) {
  CTraFile a, b;
  a.SetDateToday();
  CString date = a.GetDate();
  ASSERT_EQ(10, date.GetLength());
  EXPECT_EQ(_T('-'), date[4]);
  EXPECT_EQ(_T('-'), date[7]);
  a.SetFlagPixel(0, RGB(1, 2, 3));
  a.SetFlagPixel(1023, RGB(4, 5, 6));
  b.CopyFlagFrom(a);
  EXPECT_EQ(RGB(1, 2, 3), b.GetFlagPixel(0));
  EXPECT_EQ(RGB(4, 5, 6), b.GetFlagPixel(1023));
  EXPECT_EQ(0u, b.GetFlagPixel(1024));
}

}  // namespace
