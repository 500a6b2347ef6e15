#include "platform/design_font_win.h"

HFONT CreateDesignFont(int height) {
    LOGFONTA lf{};
    lf.lfHeight = -height;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS UI Gothic", LF_FACESIZE);
    return ::CreateFontIndirectA(&lf);
}
