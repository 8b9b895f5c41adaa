// Where the main window is placed on the screen.
#pragma once

namespace fennick {

// The left (or top) edge that centres a window in a screen dimension:
// floor((screen - window) / 2), also when the window is the larger.
int CentredEdge(int screenSize, int windowSize);

// The top edge in window mode: (bottom of the desktop area - window height) / 2,
// truncated toward zero.
int WindowModeTop(int desktopBottom, int windowHeight);

}  // namespace fennick
