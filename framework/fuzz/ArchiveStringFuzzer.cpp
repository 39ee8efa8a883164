// Reads strings in the archive string form from arbitrary bytes; every string
// read must be written back and read again unchanged.
#include "Framework.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemFile in(const_cast<BYTE*>(data), static_cast<UINT>(size));
  CArchive ar(&in, CArchive::load, 128);
  for (int i = 0; i < 64; ++i) {
    CString s;
    try {
      ar >> s;
    } catch (const CArchiveException&) {
      return 0;
    }
    CMemFile out;
    {
      CArchive w(&out, CArchive::store);
      w << s;
      w.Close();
    }
    out.SeekToBegin();
    CArchive r(&out, CArchive::load);
    CString again;
    r >> again;
    if (again != s) abort();
  }
  return 0;
}
