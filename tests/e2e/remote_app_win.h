// Driving tabora.exe from outside, as a user does: start it, find its windows, read its
// controls across the process boundary, type keys, answer message boxes, take screenshots.
// Every wait is bounded; nothing here blocks for longer than the timeout it is given.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr DWORD kStartTimeoutMs = 15000;
inline constexpr DWORD kStepTimeoutMs = 10000;
// How long a reading may take to reach the state a key or click should have produced.
inline constexpr DWORD kSettleTimeoutMs = 5000;

// Polls `done` every 20 ms until it returns true or `timeoutMs` has passed; the result is
// the last answer of `done`.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kStepTimeoutMs);

// Reads `read` until it gives `expected` or the timeout passes and returns the last reading,
// so that a test compares it and shows what was there instead:
//   EXPECT_EQ(Settle([&] { return TabTexts(tabs); }, expected), expected);
template <typename Read, typename T>
auto Settle(Read read, const T& expected, DWORD timeoutMs = kSettleTimeoutMs) {
    auto value = read();
    WaitUntil(
        [&] {
            value = read();
            return value == expected;
        },
        timeoutMs);
    return value;
}

// ---- windows of any process

std::string ClassNameOf(HWND hwnd);
// WM_GETTEXT, answered by the owning thread (bounded, so a hung target cannot block us).
std::string TextOf(HWND hwnd);
DWORD ProcessIdOf(HWND hwnd);
// Visible top-level windows of one class; pid 0 means any process.
std::vector<HWND> VisibleTopLevelWindows(const std::string& cls, DWORD pid = 0);
// Controls of a class below `parent` (any depth), in creation order. The edit field inside
// an editable combo box belongs to the combo box and is left out.
std::vector<HWND> FindControls(HWND parent, const std::string& cls);
HWND FindControl(HWND parent, const std::string& cls);

struct MessageBoxContent {
    std::string Caption;
    std::string Text;
};
MessageBoxContent ReadMessageBox(HWND box);
// BM_CLICK on the button with this id (IDOK, IDCANCEL ...); false when there is none.
bool PressButton(HWND box, int id);

// ---- controls of another process, read through a buffer in that process

std::vector<std::string> TabTexts(HWND tab);
int CurrentTabIndex(HWND tab);
std::vector<std::string> ListViewTexts(HWND listView, int subItem = 0);
std::string StatusBarText(HWND statusBar);
// The items of a combo box's drop-down list, in list order.
std::vector<std::string> ComboBoxItems(HWND comboBox);
// Image index of every item (LVIF_IMAGE).
std::vector<int> ListViewImages(HWND listView);
// Captions of the columns, in column order.
std::vector<std::string> ListViewColumns(HWND listView);
// Makes `index` the only selected item and the focused one, as a click on it would.
void SelectListItem(HWND listView, int index);
// Rectangles in screen coordinates: a tab, and one part (LVIR_ICON, LVIR_LABEL ...) of a
// list item.
RECT TabItemScreenRect(HWND tab, int index);
RECT ListItemScreenRect(HWND listView, int index, int part);
// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusedWindowOf(HWND window);
// True while the thread that owns `window` is in a menu (the menu bar or a popup).
bool InMenuMode(HWND window);

// ---- input

// Brings the window to the front and waits until it is the foreground window.
bool BringToFront(HWND hwnd);
// Types one key with modifiers (VK_SHIFT, VK_CONTROL, VK_MENU) held down, through SendInput,
// so that the target sees the modifiers in GetKeyState as it would from a keyboard.
void TypeKey(WORD key, const std::vector<WORD>& modifiers = {});
// Types a Shift-JIS text as characters (not keys), so that no layout or shortcut is involved.
void TypeText(const std::string& text);
// Presses or releases one key alone, through SendInput: Ctrl held across a click.
void HoldKey(WORD key, bool down);
// Left click at a screen point, through SendInput.
void ClickAt(POINT screen);
// A right-button click at a screen point.
void RightClickAt(POINT screen);
// Presses the left button at `from`, moves in steps to `to` (past any drag threshold) and,
// unless told not to, releases it there.
void DragMouse(POINT from, POINT to, bool release = true);
// Lets go of the left button at a screen point (after DragMouse without release).
void ReleaseMouse(POINT at);
POINT CenterOf(const RECT& rect);

// ---- screenshots

// Saves the whole screen as a 24-bit BMP; returns false when the screen cannot be read or
// the file cannot be written.
bool SaveScreenshot(const std::string& path);
// The colour of one pixel on the screen as it is shown now.
COLORREF ScreenPixel(POINT screen);

// ---- processes

// One started process; killed on destruction unless it has ended, so no test leaves one.
class RemoteApp {
public:
    // Starts `exe` with `arguments` (already quoted as needed) in `workingFolder`.
    // Throws std::runtime_error when the process cannot be created.
    RemoteApp(const std::string& exe, const std::string& arguments,
              const std::string& workingFolder);
    ~RemoteApp();
    RemoteApp(const RemoteApp&) = delete;
    RemoteApp& operator=(const RemoteApp&) = delete;

    DWORD Pid() const { return pid_; }
    bool IsRunning() const;
    // True when the process ended within the timeout; its exit code is stored.
    bool WaitForExit(DWORD timeoutMs = kStepTimeoutMs);
    DWORD ExitCode() const { return exitCode_; }

    // The visible main window (class TFrmFile) of this process, or nullptr on timeout or
    // when the process ends first.
    HWND WaitForMainWindow(DWORD timeoutMs = kStartTimeoutMs) const;
    // A visible message box (#32770) of this process, or nullptr.
    HWND WaitForMessageBox(DWORD timeoutMs = kStartTimeoutMs) const;
    std::vector<HWND> MainWindows() const;
    std::vector<HWND> MessageBoxes() const;

    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD exitCode_ = STILL_ACTIVE;
};

// Wraps one command-line argument in double quotes when it holds a blank.
std::string QuoteArgument(const std::string& arg);

}  // namespace e2e
