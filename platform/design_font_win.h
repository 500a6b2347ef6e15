// The font the windows and dialogs are designed in. "ＭＳ Ｐゴシック" is not there under Wine;
// "MS UI Gothic" is, and Windows has it too.
#pragma once

#include <windows.h>

// A new font of that face, height pixels high; the caller owns it.
HFONT CreateDesignFont(int height = 12);
