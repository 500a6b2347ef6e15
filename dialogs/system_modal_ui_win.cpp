#include "dialogs/system_modal_ui_win.h"

#include <commdlg.h>

#include <vector>

#include "dialogs/entry_dialog_win.h"
#include "dialogs/input_dialog_win.h"
#include "dialogs/list_dialog_win.h"

SystemModalUi::SystemModalUi() = default;
SystemModalUi::~SystemModalUi() = default;

int SystemModalUi::Message(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

bool SystemModalUi::ChooseFontDialog(HWND owner, LOGFONTA& font, COLORREF& colour) {
    LOGFONTA chosen = font;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &chosen;
    cf.rgbColors = colour;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&cf)) return false;
    font = chosen;
    colour = cf.rgbColors;
    return true;
}

bool SystemModalUi::ChooseColourDialog(HWND owner, COLORREF& colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = colour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorA(&cc)) return false;
    colour = cc.rgbResult;
    return true;
}

bool SystemModalUi::InputText(HWND owner, const std::string& caption, HFONT font,
                              std::string& text) {
    if (!input_) input_ = std::make_unique<TfrmInput>();
    return input_->Execute(owner, caption, font, text);
}

bool SystemModalUi::EditFamilyRows(HWND owner, TFamilyEdit& edit) {
    TFrmList list(*this);
    return list.Execute(owner, edit);
}

bool SystemModalUi::EditEntry(HWND owner, TEntryEdit& edit) {
    TFrmEdExt editor(*this);
    return editor.Execute(owner, edit);
}

bool SystemModalUi::OpenFileDialog(HWND owner, const std::string& filter, std::string& path) {
    // "text|pattern" pairs become the NUL-separated list the dialog reads.
    std::vector<char> filters(filter.begin(), filter.end());
    for (char& c : filters)
        if (c == '|') c = '\0';
    filters.insert(filters.end(), {'\0', '\0'});
    std::vector<char> file(32768, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.data();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameA(&ofn)) return false;
    path = file.data();
    return true;
}
