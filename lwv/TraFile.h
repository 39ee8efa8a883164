// The language file in memory: header texts and numbers, the 32x32 flag,
// the node tree, the standard-dialog option block, the add-on files and the
// string indexes. Serialize reads and writes the .tra stream of every
// version from before 15000 up to 30003.
#pragma once

#include "AddOnFile.h"
#include "TraNode.h"

class CTraStringIndex;

#define TRA_MAGIC _T("_LINGOWEAVE__LANGUAGE_FILE_")
#define TRA_CORRUPT_MESSAGE _T("corrupt .tra - file!")

const int TRA_VERSION = 30003;
const int TRA_FLAG_PIXELS = 32 * 32;
const int TRA_OPTION_COUNT = 256;

// Flag bits.
enum : DWORD {
  TRA_FLAG_ORIGINAL = 1,
  TRA_FLAG_WIZARD = 2,
  TRA_FLAG_BAD_ADDON_PATHS = 4,
  TRA_FLAG_ADDONS_IMPORTED = 8
};

// The three string indexes.
enum TraStringPart { TRA_PART_WHOLE = 0, TRA_PART_PROMPT = 1, TRA_PART_TIP = 2 };

class CTraFile {
 public:
  explicit CTraFile(CTraNode* root = nullptr);
  ~CTraFile();
  CTraFile(const CTraFile&) = delete;
  CTraFile& operator=(const CTraFile&) = delete;

  // Throws CArchiveException on a file that is no language file, is cut
  // short or holds impossible counts; the caller discards the object then.
  void Serialize(CArchive& ar);
  void SerializeHeader(CArchive& ar);
  void SerializeHeaderOnly(CArchive& ar);
  void SerializeHeaderAndFlag(CArchive& ar);

  // Copies and merges (TraMerge.cpp).
  CTraFile* Clone() const;
  bool UpdateFrom(const CTraFile& other);

  // String indexes (StringLookup.cpp).
  void BuildStringIndex();
  void FreeStringIndex();
  const CTraStringIndex* GetStringIndex(TraStringPart part) const { return m_pIndex[part]; }
  CTraNode* FindStringSection() const;

  CString GetProgramName() const { return m_strProgramName; }
  CString GetProgramVersion() const { return m_strProgramVersion; }
  CString GetLanguageName() const { return m_strLanguageName; }
  CString GetComment() const { return m_strComment; }
  CString GetAuthor() const { return m_strAuthor; }
  CString GetDate() const { return m_strDate; }
  CString GetFifthText() const { return m_strFifth; }
  void SetProgramName(const CString& s) { m_strProgramName = s; }
  void SetProgramVersion(const CString& s) { m_strProgramVersion = s; }
  void SetLanguageName(const CString& s) { m_strLanguageName = s; }
  void SetComment(const CString& s) { m_strComment = s; }
  void SetAuthor(const CString& s) { m_strAuthor = s; }
  void SetDate(const CString& s) { m_strDate = s; }
  void SetFifthText(const CString& s) { m_strFifth = s; }
  void SetDateToday();

  CTraNode* GetRootNode() const { return m_pRoot; }
  // Replaces (and deletes) the tree.
  void SetRootNode(CTraNode* root);
  CAddOnFileList* GetAddOnFiles() const { return m_pAddOnFiles; }
  void SetAddOnFiles(CAddOnFileList* list);

  const BYTE* GetStdDialogOptions() const { return m_options; }
  void SetStdDialogOptions(const BYTE* bytes);

  LANGID GetLanguageId() const { return m_nLanguageId; }
  void SetLanguageId(LANGID id) { m_nLanguageId = id; }
  int GetVersion() const { return m_nVersion; }
  void SetVersion(int version) { m_nVersion = version; }
  LONG GetReserved() const { return m_nReserved; }
  void SetReserved(LONG value) { m_nReserved = value; }
  DWORD GetFlags() const { return m_nFlags; }
  void SetFlags(DWORD flags) { m_nFlags = flags; }
  DWORD GetCarriedValue() const { return m_nCarried; }
  void SetCarriedValue(DWORD value) { m_nCarried = value; }

  bool IsOriginal() const { return (m_nFlags & TRA_FLAG_ORIGINAL) != 0; }
  void SetOriginal(bool on) { SetFlag(TRA_FLAG_ORIGINAL, on); }
  bool GetWizardMark() const { return (m_nFlags & TRA_FLAG_WIZARD) != 0; }
  void SetWizardMark(bool on) { SetFlag(TRA_FLAG_WIZARD, on); }
  bool HasBadAddOnPaths() const { return (m_nFlags & TRA_FLAG_BAD_ADDON_PATHS) != 0; }
  void SetBadAddOnPaths(bool on) { SetFlag(TRA_FLAG_BAD_ADDON_PATHS, on); }
  bool AreAddOnFilesImported() const { return (m_nFlags & TRA_FLAG_ADDONS_IMPORTED) != 0; }
  void SetAddOnFilesImported(bool on) { SetFlag(TRA_FLAG_ADDONS_IMPORTED, on); }
  bool CheckAddOnPaths();
  bool CheckAddOnFilesImported();

  // Flag picture, index = row * 32 + column.
  const COLORREF* GetFlagPixels() const { return m_flag; }
  COLORREF GetFlagPixel(int index) const { return index >= 0 && index < TRA_FLAG_PIXELS ? m_flag[index] : 0; }
  void SetFlagPixel(int index, COLORREF c) { if (index >= 0 && index < TRA_FLAG_PIXELS) m_flag[index] = c; }
  void CopyFlagFrom(const CTraFile& other);
#ifdef _WIN32
  // GDI forms (win32/TraFlagBitmap.cpp).
  void SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int x, int y);
  HBITMAP CreateFlagBitmap(HDC dc) const;
#endif

 private:
  void SetFlag(DWORD bit, bool on) { m_nFlags = on ? (m_nFlags | bit) : (m_nFlags & ~bit); }
  void ReadMagic(CArchive& ar);
  void SerializeFlag(CArchive& ar);

  CTraNode* m_pRoot;
  CAddOnFileList* m_pAddOnFiles;
  CString m_strProgramName;
  CString m_strProgramVersion;
  CString m_strLanguageName;
  CString m_strComment;
  CString m_strAuthor;
  CString m_strDate;
  CString m_strFifth;
  COLORREF m_flag[TRA_FLAG_PIXELS];
  LANGID m_nLanguageId;
  int m_nVersion;
  LONG m_nReserved;
  DWORD m_nFlags;
  DWORD m_nCarried;
  BYTE m_options[TRA_OPTION_COUNT];
  CTraStringIndex* m_pIndex[3];
};
