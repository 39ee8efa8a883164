#include "CTime.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  m_time = mktime(&t);
}

struct tm CTime::Local() const {
  struct tm t = {};
  time_t v = m_time;
#ifdef _WIN32
  if (localtime_s(&t, &v) != 0) t = {};
#else
  if (!localtime_r(&v, &t)) t = {};
#endif
  return t;
}

CString CTime::Format(LPCTSTR format) const {
  if (!format || !*format) return CString();
  std::string fmt = lw::ToNarrow(format, lw::StrLen(format));
  struct tm t = Local();
  char buf[512];
  size_t n = strftime(buf, sizeof buf, fmt.c_str(), &t);
  return CString(lw::FromNarrow(buf, n));
}
