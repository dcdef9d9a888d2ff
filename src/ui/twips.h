// Window geometry is given in twips, 1440 to the inch: 15 twips are one
// pixel on a screen of 96 dots per inch, and fewer on a denser one.
#pragma once

#include <cmath>

namespace morlindo::ui {

inline int twipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

}  // namespace morlindo::ui
