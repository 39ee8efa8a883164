#include "LwvMessage.h"

#include <cstdio>

namespace {

void DefaultHandler(LPCTSTR text) {
#ifdef _WIN32
  ::MessageBox(nullptr, text, nullptr, MB_OK);
#else
  std::string narrow = lw::ToNarrow(text, lw::StrLen(text), CP_UTF8);
  std::fprintf(stderr, "%s\n", narrow.c_str());
#endif
}

LwvMessageHandler g_handler = DefaultHandler;

}  // namespace

void LwvShowMessage(LPCTSTR text) { g_handler(text ? text : _T("")); }

LwvMessageHandler LwvSetMessageHandler(LwvMessageHandler handler) {
  LwvMessageHandler previous = g_handler;
  g_handler = handler ? handler : DefaultHandler;
  return previous;
}
