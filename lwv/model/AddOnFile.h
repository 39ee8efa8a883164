// Files carried inside a language file: name, export path (relative to the
// language file's folder at run time), stored path, date, description,
// import counter and the bytes. A list holds at most 128 of them.
#pragma once

#include "Framework.h"

#include <vector>

const int ADDON_MAX_FILES = 128;

class CAddOnFile {
 public:
  CAddOnFile();
  explicit CAddOnFile(const CString& fileName);
  CAddOnFile(const CString& fileName, const CString& exportPath, const CString& storedPath);
  virtual ~CAddOnFile() = default;

  bool ReadFromDisk(const CString& directory);
  // Throws CFileException when the file cannot be written; the old file at
  // the target stays as it was until the new one is complete.
  bool WriteToDisk(const CString& directory) const;
  bool Reimport(const CString& directory);
  bool ExportTo(const CString& directory);
  bool Export() const;
  bool ExistsAtExportPath() const;
  bool ExistsAtStoredPath() const;
  bool IsExportPathValid() const;

  CAddOnFile* Clone() const;
  void CopyContentFrom(const CAddOnFile& other);
  void Serialize(CArchive& ar);

  CString GetFileName() const { return m_strFileName; }
  CString GetExportPath() const { return m_strExportPath; }
  void SetExportPath(const CString& s) { m_strExportPath = s; }
  CString GetStoredPath() const { return m_strStoredPath; }
  void SetStoredPath(const CString& s) { m_strStoredPath = s; }
  CString GetDate() const { return m_strDate; }
  void SetDate(const CString& s) { m_strDate = s; }
  CString GetDescription() const { return m_strDescription; }
  void SetDescription(const CString& s) { m_strDescription = s; }
  int GetImportCounter() const { return m_nImportCounter; }
  int GetLength() const { return static_cast<int>(m_contents.size()); }
  const std::vector<BYTE>& GetContents() const { return m_contents; }
  void SetContents(const std::vector<BYTE>& bytes) { m_contents = bytes; }

 private:
  CString m_strFileName;
  CString m_strExportPath;
  CString m_strStoredPath;
  CString m_strDate;
  CString m_strDescription;
  int m_nImportCounter;
  std::vector<BYTE> m_contents;
};

class CAddOnFileList {
 public:
  CAddOnFileList();
  virtual ~CAddOnFileList();
  CAddOnFileList(const CAddOnFileList&) = delete;
  CAddOnFileList& operator=(const CAddOnFileList&) = delete;

  bool Add(const CString& fileName, const CString& exportPath, const CString& storedPath, const CString& description);
  // Takes ownership; false (and the file deleted) when the list is full.
  bool Append(CAddOnFile* file);
  void Remove(const CString& fileName);
  // Removes the file at index (others move down); false when there is none.
  bool RemoveAt(int index);
  bool Find(const CString& path) const;
  CAddOnFile* GetAt(int index) const;
  int GetCount() const { return m_nCount; }
  CAddOnFileList* Clone() const;
  void SetAllDates(const CString& date);
  bool CheckExportPaths();
  void Serialize(CArchive& ar);
  void RemoveAll();

 private:
  int m_nCount;
  CAddOnFile* m_files[ADDON_MAX_FILES];
};
