#pragma once
// The caption and symbol of a screen button.
#include <QPoint>

#include "core/model/ScreenLayout.h"

namespace roamplot {

class BoxCanvas;
struct BoxGeometry;

struct ButtonLayout {
    // The caption's rectangle: left, top, right, bottom.
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool ShowsSymbol = false;
    QPoint SymbolAt;
};

// Places a caption block of tw x th and a symbol of sw x sh with gap g inside
// the Wi x Hi inner area by the symbol placement (0 None, 1 Top, 2 Bottom, 3 Left, 4 Right).
ButtonLayout LayOutButton(int placement, int Wi, int Hi, int tw, int th, int sw, int sh, int g);

// The caption word-wrapped and centred, and the symbol with its RGB(255,0,255) pixels transparent.
void DrawButtonContent(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g);

} // namespace roamplot
