// String ids of the manager tests (ManagerTest.rc and the native table).
#pragma once

#define IDS_MGR_ZERO 0
#define IDS_MGR_NOT_FOUND 100
#define IDS_MGR_FILES 101
#define IDS_MGR_UNKNOWN 102
