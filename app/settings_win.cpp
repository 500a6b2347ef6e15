// Loading the settings into the window at start-up and writing them back.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>

#include "app/file1_win.h"
#include "app/settings_file_win.h"
#include "listing/window_place.h"
#include "navigation/restore_tabs.h"
#include "platform/dc_win.h"
#include "platform/text_win.h"

namespace {
TRectPx ToRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<MonitorArea>*>(areas)->push_back(
            {ToRect(info.rcMonitor), ToRect(info.rcWork)});
    return TRUE;
}

std::vector<MonitorArea> Monitors() {
    std::vector<MonitorArea> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&areas));
    return areas;
}
}  // namespace

bool TFrmFile::LoadSettings() {
    std::optional<std::string> bytes = ReadFileBytes(SettingsPath);
    if (!bytes) return false;
    Settings.LoadFromBytes(*bytes);
    std::optional<StartSettings> s = ReadStartSettings(Settings);
    if (!s) return false;
    const TRectPx bounds = PlaceOnMonitor({s->Left, s->Top, s->Width, s->Height}, Monitors());
    ::MoveWindow(hwnd_, bounds.Left, bounds.Top, bounds.Width, bounds.Height, FALSE);
    DefaultSortKind = s->SortKind;
    ::SetWindowTextA(CmbMask, s->Mask.c_str());
    RECT dir{};
    ::GetWindowRect(CmbDir, &dir);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&dir), 2);
    ::MoveWindow(CmbDir, dir.left, dir.top, s->DirWidth, dir.bottom - dir.top, FALSE);
    if (s->Detail) {
        DetailView = true;
        SetDetailView(true);
    }
    ShowHidden = s->HiddenFile;
    MaxFilesValue = s->MaxFilesValue;
    DisplayLimit = s->Hyojisu;
    KanaFold = s->KanaFold;
    WatchFolders = Settings.Value("Watch") != "0";
    return true;
}

namespace {
// The bounds the window returns to when restored, so that saving while minimized or
// maximized does not write -32000 or the maximized size.
RECT RestoredBounds(HWND hwnd) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    RECT r{};
    if (!::IsIconic(hwnd) && !::IsZoomed(hwnd)) {
        ::GetWindowRect(hwnd, &r);
        return r;
    }
    ::GetWindowPlacement(hwnd, &wp);
    r = wp.rcNormalPosition;
    // rcNormalPosition is in work-area coordinates; move it to screen coordinates.
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoA(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &mi))
        ::OffsetRect(&r, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    return r;
}

// The face GDI chose for a font: one asked for without a face name still gets one, and a save
// must write it or the next start has none.
std::string FaceInUse(HWND window, HFONT font) {
    WindowDc dc(window);
    if (!dc || !font) return {};
    dc.Select(font);
    char face[LF_FACESIZE] = {};
    int n = ::GetTextFaceA(dc.get(), sizeof face, face);
    return n > 0 ? std::string(face) : std::string();
}

}  // namespace

bool TFrmFile::SaveSettings() {
    SavedState state;
    RECT r = RestoredBounds(hwnd_);
    state.Width = r.right - r.left;
    state.Height = r.bottom - r.top;
    state.Left = r.left;
    state.Top = r.top;
    state.Font.Charset = listLogFont_.lfCharSet;
    state.Font.Color = static_cast<std::int32_t>(fontColour_);
    state.Font.Height = listLogFont_.lfHeight;
    state.Font.Name = listLogFont_.lfFaceName;
    if (state.Font.Name.empty()) state.Font.Name = FaceInUse(ListView1, listFont_.get());
    state.Font.Size = FontPointSize();
    state.Mask = WindowText(CmbMask);
    RECT dir{};
    ::GetWindowRect(CmbDir, &dir);
    state.DirWidth = dir.right - dir.left;
    state.SortKind = DefaultSortKind;
    state.Detail = DetailView;
    state.HiddenFile = ShowHidden;
    state.Hyojisu = DisplayLimit;
    state.KanaFold = KanaFold;
    StoreSavedState(Settings, state);
    if (RestoreTabsOn(Settings)) {
        SavedTabs tabs;
        const int count = TabCtrl_GetItemCount(TabControl1);
        for (int i = 0; i < count; ++i) tabs.Folders.push_back(TabSlots[TabToSlot[i]].Folder);
        tabs.Current = std::max(0, TabCtrl_GetCurSel(TabControl1));
        StoreSavedTabs(Settings, tabs);
    }
    unsigned long error = WriteFileAtomically(SettingsPath, Settings.SaveToBytes());
    if (error == 0) return true;
    Ui.Message(hwnd_, SettingsPath + " を保存できません。\r\n" + SystemErrorText(error), "ｴﾗｰ",
               MB_OK | MB_ICONERROR);
    return false;
}

void TFrmFile::mnSetSaveClick() {
    // A failed write has been reported; do not claim it was saved.
    if (SaveSettings()) Ui.Message(hwnd_, "iniを保存した", "save", MB_OK);
}

void TFrmFile::FormClose() {
    EndDragToNext();
    SaveSettings();
    ole_.reset();
}

void TFrmFile::mnQuitClick() { ::SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
