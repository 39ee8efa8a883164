// Window and menu handles as the portable code keeps them (opaque).
#pragma once

typedef void* LwvWindow;
typedef void* LwvMenu;
