// The language file in memory: header texts and numbers, the 32x32 flag,
// the node tree, the standard-dialog option block, the add-on files and the
// string indexes. Serialize reads and writes the .tra stream of every
// version from before 15000 up to 30003; LwReadLanguageFile and
// LwWriteLanguageFile do it for a file on disk. Shows nothing: a reader
// that loads for the user reports a failure itself.
#pragma once

#include "AddOnFile.h"
#include "TraNode.h"
#include "TraStringIndex.h"

#include <memory>

#define TRA_MAGIC _T("_LINGOWEAVE__LANGUAGE_FILE_")
// What whoever loads for the user shows when a stream is no language file.
#define TRA_CORRUPT_MESSAGE _T("corrupt .tra - file!")
#define TRA_TREE_MARKER _T("NodeThere")
#define TRA_NO_TREE_MARKER _T("NoNode")

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

// Thrown by the reader when a stream does not start with the magic: no
// language file at all (a cut-short or damaged one throws CArchiveException).
class CNotLanguageFileException : public CArchiveException {
 public:
  explicit CNotLanguageFileException(LPCTSTR fileName) : CArchiveException(badSchema, fileName) {}
};

class CTraFile {
 public:
  explicit CTraFile(CTraNode* root = nullptr);
  ~CTraFile();
  CTraFile(const CTraFile&) = delete;
  CTraFile& operator=(const CTraFile&) = delete;

  // Throws CNotLanguageFileException on a stream without the magic and
  // CArchiveException on one that is cut short or holds impossible counts;
  // the caller discards the object then.
  void Serialize(CArchive& ar);
  void SerializeHeader(CArchive& ar);
  void SerializeHeaderOnly(CArchive& ar);
  void SerializeHeaderAndFlag(CArchive& ar);

  // Copies and merges (TraMerge.cpp).
  CTraFile* Clone() const;
  bool UpdateFrom(const CTraFile& other);

  // String indexes (TraStringIndex.cpp); they point into the tree, so a
  // new tree frees them.
  void BuildStringIndex();
  void FreeStringIndex();
  const CTraStringIndex* GetStringIndex(TraStringPart part) const { return m_pIndex[part].get(); }
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

  // The code page of an ANSI program's file: when not 0, Serialize stores
  // every text in its one-byte form in it, and a text it cannot hold fails
  // the write. Not part of the stream; 0 stores texts in the build's width.
  UINT GetTextCodePage() const { return m_nTextCodePage; }
  void SetTextCodePage(UINT codePage) { m_nTextCodePage = codePage; }

  bool IsOriginal() const { return (m_nFlags & TRA_FLAG_ORIGINAL) != 0; }
  void SetOriginal(bool on) { SetFlag(TRA_FLAG_ORIGINAL, on); }
  bool GetWizardMark() const { return (m_nFlags & TRA_FLAG_WIZARD) != 0; }
  void SetWizardMark(bool on) { SetFlag(TRA_FLAG_WIZARD, on); }
  bool HasBadAddOnPaths() const { return (m_nFlags & TRA_FLAG_BAD_ADDON_PATHS) != 0; }
  void SetBadAddOnPaths(bool on) { SetFlag(TRA_FLAG_BAD_ADDON_PATHS, on); }
  bool AreAddOnFilesImported() const { return (m_nFlags & TRA_FLAG_ADDONS_IMPORTED) != 0; }
  void SetAddOnFilesImported(bool on) { SetFlag(TRA_FLAG_ADDONS_IMPORTED, on); }
  // Checks the add-on files' export paths, a relative one against folder
  // (the language file's, as the run time resolves them; empty: as they
  // stand). Sets or clears the flag of bad add-on paths; false when one is bad.
  bool CheckAddOnPaths(const CString& folder = CString());
  bool CheckAddOnFilesImported();

  // Flag picture, index = row * 32 + column.
  const COLORREF* GetFlagPixels() const { return m_flag; }
  COLORREF GetFlagPixel(int index) const { return index >= 0 && index < TRA_FLAG_PIXELS ? m_flag[index] : 0; }
  void SetFlagPixel(int index, COLORREF c) { if (index >= 0 && index < TRA_FLAG_PIXELS) m_flag[index] = c; }
  void CopyFlagFrom(const CTraFile& other);
#ifdef _WIN32
  // GDI forms (win32/TraFlagBitmap.cpp).
  void SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int x, int y);
  // A new 32x32 bitmap compatible with dc; for the screen when dc is null
  // or a memory DC that would make it monochrome.
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
  std::unique_ptr<CTraStringIndex> m_pIndex[3];
  UINT m_nTextCodePage = 0;
};

// Reading and writing a language file on disk.
enum LwReadPart { LW_READ_HEADER, LW_READ_HEADER_AND_FLAG, LW_READ_WHOLE };
enum LwReadResult { LW_READ_OK, LW_READ_FAILED, LW_READ_NOT_LANGUAGE_FILE };
// Reads the language file at path into file: the header, the header and
// the flag picture, or everything. False on any file or format error (the
// object is then to be discarded); result, when given, tells a stream
// without the magic from other failures. The file is shared for reading
// only, unless shareMode says otherwise.
bool LwReadLanguageFile(const CString& path, CTraFile& file, LwReadPart part, LwReadResult* result = nullptr,
                        UINT shareMode = CFile::shareDenyWrite);
// Writes file to path: a complete new file replaces the old one only when
// everything was written. False on any file error (the old file stays).
bool LwWriteLanguageFile(const CString& path, CTraFile& file);
// The version that keeps what file holds: its own, or the current one when
// a version from 30000 on would drop its author, date, language id or add-on
// files (older versions, which keep no layouts, stay as they are).
int LwVersionHolding(const CTraFile& file);
