#include <afxwin.h>
#include <vector>
