// Calendar time in whole seconds, formatted with strftime conversions.
#pragma once

#include "CString.h"
#include <ctime>

class CTime {
 public:
  CTime() : m_time(0) {}
  explicit CTime(time_t t) : m_time(t) {}
  CTime(int year, int month, int day, int hour, int minute, int second);
  static CTime GetCurrentTime() { return CTime(::time(nullptr)); }

  time_t GetTime() const { return m_time; }
  int GetYear() const { return Local().tm_year + 1900; }
  int GetMonth() const { return Local().tm_mon + 1; }
  int GetDay() const { return Local().tm_mday; }
  int GetHour() const { return Local().tm_hour; }
  int GetMinute() const { return Local().tm_min; }
  int GetSecond() const { return Local().tm_sec; }
  int GetDayOfWeek() const { return Local().tm_wday + 1; }

  // Local time formatted with strftime conversions such as "%Y-%m-%d %H:%M".
  CString Format(LPCTSTR format) const;

  bool operator==(const CTime& o) const { return m_time == o.m_time; }
  bool operator!=(const CTime& o) const { return m_time != o.m_time; }
  bool operator<(const CTime& o) const { return m_time < o.m_time; }
  bool operator>(const CTime& o) const { return m_time > o.m_time; }

 private:
  struct tm Local() const;
  time_t m_time;
};
