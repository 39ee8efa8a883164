#include "Screenshot.h"

#include "BoundedWait.h"

#include <cstdio>

namespace lwtest {

namespace {

bool WriteBmp(const char* path, const BITMAPINFOHEADER& header, const void* bits, size_t bytes) {
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + bytes);
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, f) == 1 && std::fwrite(&header, sizeof(header), 1, f) == 1 &&
            std::fwrite(bits, 1, bytes, f) == bytes;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

bool SaveScreenshot(HWND wnd, const char* name) {
  char folder[MAX_PATH] = {};
  if (!::GetEnvironmentVariableA("LWV_SCREENSHOT_DIR", folder, MAX_PATH) || !::IsWindow(wnd)) return false;
  ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  // Wine hands the painted surface to the X server a moment later; nothing
  // signals that, so the picture waits a fixed while (it decides no test).
  WaitUntil(_T("the picture to settle"), [] { return false; }, 300);
  RECT r;
  ::GetWindowRect(wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool written = false;
  if (bitmap) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    // From the screen: Wine's PrintWindow leaves child controls out.
    ::BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    const size_t row = static_cast<size_t>((w * 3 + 3) / 4 * 4);
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof(path), "%s\\%s.bmp", folder, name);
    written = WriteBmp(path, bi.bmiHeader, bits, row * static_cast<size_t>(h));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return written;
}

}  // namespace lwtest
