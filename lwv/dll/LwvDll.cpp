// The entry of a Lingoweave runtime DLL. The runtime starts with LWStart and
// ends with LWEnd; the DLL itself keeps nothing per process or thread.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
