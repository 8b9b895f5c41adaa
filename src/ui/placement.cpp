#include "ui/placement.h"

namespace fennick {

int CentredEdge(int screenSize, int windowSize) {
  const int difference = screenSize - windowSize;
  return difference >= 0 ? difference / 2 : -((-difference + 1) / 2);
}

int WindowModeTop(int desktopBottom, int windowHeight) { return (desktopBottom - windowHeight) / 2; }

}  // namespace fennick
