#include "DeskFileIo.h"

#include "TraFile.h"

DeskReadResult ReadDeskStream(CFile& in, CTraFile& file, UINT& lossyTexts) {
  lossyTexts = 0;
  try {
    CArchive ar(&in, CArchive::load, 4096);
    ar.m_strFileName = in.GetFilePath();
    file.Serialize(ar);
    lossyTexts = ar.m_nLossyStrings;
    ar.Close();
  } catch (const CFileException&) {
    return DESK_READ_FILE_ERROR;
  } catch (const CNotLanguageFileException&) {
    return DESK_READ_NOT_LANGUAGE_FILE;
  } catch (const CException&) {
    return DESK_READ_INVALID;
  } catch (const std::bad_alloc&) {
    return DESK_READ_INVALID;
  }
  return file.GetRootNode() ? DESK_READ_OK : DESK_READ_INVALID;
}

DeskReadResult ReadDeskFile(const CString& path, CTraFile& file, UINT& lossyTexts) {
  lossyTexts = 0;
  CFile in;
  if (!in.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return DESK_READ_FILE_ERROR;
  const DeskReadResult result = ReadDeskStream(in, file, lossyTexts);
  in.Abort();
  return result;
}

DeskProbe ProbeFile(const CString& path) {
  CFileStatus status;
  if (!CFile::GetStatus(path, status)) return DESK_PROBE_NONE;
  CFile in;
  if (!in.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return DESK_PROBE_ERROR;
  CTraFile header;
  try {
    CArchive ar(&in, CArchive::load, 4096);
    header.SerializeHeaderOnly(ar);
  } catch (const CFileException&) {
    return DESK_PROBE_ERROR;
  } catch (const CException&) {
    return DESK_PROBE_OTHER;
  } catch (const std::bad_alloc&) {
    return DESK_PROBE_OTHER;
  }
  return header.IsOriginal() ? DESK_PROBE_ORIGINAL : DESK_PROBE_OTHER;
}
