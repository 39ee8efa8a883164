#include "TestMarkers.h"

#include "TraNode.h"

CString MarkTestText(const CString& text, bool start, const CString& startMarker, bool end, const CString& endMarker) {
  CString t = text;
  if (start) {
    const int length = t.GetLength();
    const int percent = t.Find(_T('%'));
    if (length > 2 && t[0] == _T('\n')) {
      // The marker starts after the newline and stops before the first '%'.
      int n = startMarker.GetLength();
      if (n > length - 1) n = length - 1;
      if (percent >= 0 && n > percent - 1) n = percent - 1;
      if (n > 0) t = _T("\n") + startMarker.Left(n) + t.Right(length - n - 1);
    } else {
      int n = startMarker.GetLength();
      if (n > length) n = length;
      if (percent >= 0 && n > percent) n = percent;
      if (n > 0) t = startMarker.Left(n) + t.Right(length - n);
    }
  }
  if (end) {
    const int length = t.GetLength();
    int n = endMarker.GetLength();
    if (n > length) n = length;
    const int percent = t.ReverseFind(_T('%'));
    if (percent >= 0) {
      int limit = length - percent - 5;
      if (limit < 0) return t;
      if (n > limit) n = limit;
    }
    if (n > 0) t = t.Left(length - n) + endMarker.Right(n);
  }
  return t;
}

void CTraNode::MarkTestTexts(bool start, const CString& startMarker, bool end, const CString& endMarker) {
  m_strTranslation = MarkTestText(m_strTranslation, start, startMarker, end, endMarker);
  for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->MarkTestTexts(start, startMarker, end, endMarker);
}
