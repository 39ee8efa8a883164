// Posts WM_COMMAND with a command id to the top-level window of a caption:
//   PostCommand "<caption>" <id>
// (for scripts that drive the sample, e.g. to open its form for a picture).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: PostCommand \"<caption>\" <id>\n");
    return 2;
  }
  HWND window = ::FindWindowA(nullptr, argv[1]);
  if (!window) {
    std::fprintf(stderr, "PostCommand: no window \"%s\"\n", argv[1]);
    return 1;
  }
  WPARAM id = static_cast<WPARAM>(std::strtoul(argv[2], nullptr, 0) & 0xFFFF);
  return ::PostMessageA(window, WM_COMMAND, id, 0) ? 0 : 1;
}
