// TFrmFile: the main window. It owns the settings store, the tab slots, the listing result,
// every control and the menus; its handlers live in the folders of their subsystems.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "app/tab_slots.h"
#include "commands/command_template.h"
#include "commands/menu_model.h"
#include "dialogs/settings_edit.h"
#include "fileops/drag_start.h"
#include "fileops/scmake_win.h"
#include "listing/listing_keys.h"
#include "listing/wild_match.h"
#include "navigation/completion.h"
#include "navigation/focus_stops.h"
#include "platform/collator_win.h"
#include "platform/com_init_win.h"
#include "platform/glyph_buttons_win.h"
#include "platform/kana_fold_win.h"
#include "platform/launcher_win.h"
#include "platform/modal_ui_win.h"
#include "platform/shell_ops_win.h"
#include "platform/unique_handle_win.h"
#include "platform/window_plumbing_win.h"

inline constexpr const char* kMainWindowClass = "TFrmFile";
inline constexpr const char* kMainWindowCaption = "tabora";
// WM_COPYDATA tag of a command line handed over by a second instance.
inline constexpr ULONG_PTR kHandOverCopyData = 0x54414230;  // 'TAB0'
inline constexpr UINT_PTR kTimer1 = 1;
// Posted to itself to open a handed-over command line once the sender has returned.
inline constexpr UINT kProcessHandOver = WM_APP + 1;
// Posted to itself to start the edit of a caption again (wParam the row) once the list has
// closed the one that ended.
inline constexpr UINT kReopenEdit = WM_APP + 2;
// Posted to itself when the window lost the activation while a drag to the next program was
// armed: by the time it arrives the other window is in front.
inline constexpr UINT kDropOnNextActivated = WM_APP + 3;
// Posted by the watch of the shown folder when it has read the folder after a change.
inline constexpr UINT kFolderChanged = WM_APP + 4;

struct FolderReading;
class FolderWatch;

// A selected name and the kind it was listed as.
struct ListedName {
    std::string Name;
    char Kind = kFileKind;
};

class TFrmFile : private WindowObject {
public:
    // Builds the window in the designed order. When the settings cannot be loaded, the
    // message has been shown and Terminated() is true; nothing else was done.
    TFrmFile(HINSTANCE instance, std::vector<std::string> args, ModalUi& ui,
             std::string settingsPath);
    ~TFrmFile();
    TFrmFile(const TFrmFile&) = delete;
    TFrmFile& operator=(const TFrmFile&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Terminated() const { return terminated_; }

    // The key goes to the first menu item in menu order whose shortcut it is. True when an
    // item took it (the key must then not be dispatched).
    bool HandleShortCut(const MSG& msg);
    // Runs the click handler of a menu item by designer name (also used by tests); a name
    // without a handler throws std::logic_error.
    void ClickMenu(const std::string& name);
    // True when a click on the item runs a command of its own.
    static bool HasMenuHandler(const std::string& name);
    // Runs the click handler of a chosen item; items that share a name (bookmarks) are told
    // apart by their Tag.
    void ClickMenuItem(const TMenuItem& item);
    TMenuItem& MenuItem(const std::string& name);
    // The view checks follow DetailView, ShowHidden and DisplayLimit; then the checks and
    // enabled states of the menu model are copied into the shown menus.
    void SyncMenus();
    // Renders the menu model anew (after items were added or removed): fresh command ids,
    // checks and enabled states as the model holds them.
    void RefreshMainMenu();

    // ---- settings and closing (app/settings_win.cpp)
    bool LoadSettings();
    bool SaveSettings();  // false when the file could not be written (already reported)
    void mnSetSaveClick();
    void FormClose();
    void mnQuitClick();

    // ---- the slots behind the tabs and the list's rows (app/tab_slots_win.cpp)
    int CurrentSlot() const;
    std::string CurrentFolder() const;
    void SaveScroll();
    void ResetScroll();
    // What the list shows, in the listed slot's order.
    ShownListing Shown();
    // The index into CurrentListing of list item i.
    std::int32_t ItemToEntry(std::int32_t item) const;
    // The slot entry behind a row of the list, or nothing.
    std::optional<RowEntry> ListedEntry(std::int32_t row) const;
    // The selected rows with their slot entries, in list order; at most `most` of them.
    std::vector<RowEntry> SelectedEntries(std::size_t most = SIZE_MAX) const;
    // The names of the selected rows, in list order.
    std::vector<std::string> SelectedNames() const;

    // ---- layout, icons, font and colours (listing/layout_win.cpp, icons_win.cpp,
    // font_colours_win.cpp)
    void FormResize();
    // The 16 list images with their background painted in the list's colour.
    void BuildListIcons();
    // The image of a file in the list, chosen by the Ico entries of the settings.
    int FileIconIndex(const std::string& name) const;
    void mnSetFontClick();
    void mnSetBackColorClick();
    void ApplyFontAndColours();
    // The list font's size in points, as the settings file keeps it.
    int FontPointSize() const;

    // ---- the list and the status line (listing/list_folder_win.cpp, list_notify_win.cpp)
    void ListFolder(int slot);
    // The texts and image of one row, asked for by the list as it draws.
    void ListView1GetDispInfo(NMLVDISPINFOA& info);
    // The same in UTF-16, as the list asks: names the code page cannot hold shown whole.
    void ListView1GetDispInfoW(NMLVDISPINFOW& info);
    // Column widths from the texts of the shown rows.
    void SizeColumns(const TTabSlot& slot, bool details);
    // The row whose name matches a search of the list, or -1.
    int ListView1FindItem(const NMLVFINDITEMA& find);
    // What the list tells the window (listing/list_notify_win.cpp).
    LRESULT ListView1Notify(const NMHDR& nm);
    void SetStatus(const std::string& text);

    // ---- view options (listing/view_options_win.cpp) and pages (listing/paging_win.cpp)
    // The sort items pass their Tag 0..3.
    void mnSortNameClick(int tag);
    // A click on a column header of the details view sorts by that column
    // (listing/sort_header_win.cpp); the headers show the current tab's order.
    void ListView1ColumnClick(int column);
    void ShowSortArrows();
    void mnDetailClick();
    void mnHiddenFileClick();
    void mnHyojisuClick();
    void mnQuickMaskClick();
    void mnSelectAllClick();
    // The selection changed: the status line shows the first selected item.
    void ListView1Change();
    void PageForward();
    void PageBack();

    // ---- the mask box (listing/mask_box_win.cpp)
    void FillMaskBox();
    void mnMaskClick();
    void CmbMaskChange();  // an item of the drop-down list was chosen
    void CmbMaskKeyDown(int key);
    HWND CmbMaskEdit() const;  // the edit inside the mask box

    // ---- the edit keys while a text box has the focus (fileops/edit_shortcuts_win.cpp)
    void SetEditShortcuts(bool on);
    bool TextBoxHasFocus() const;
    void CmbDirEnter();
    void CmbDirExit();
    void CmbMaskEnter();
    void CmbMaskExit();

    // ---- the folder box and its completion list (navigation/folder_box_win.cpp)
    // A key in the folder box; true when it was one of the box's own.
    bool CmbDirKeyDown(int key);
    // Fills the completion list from the box text and opens it over the box.
    void BuildCompletion();
    // A key in the completion list; true when it was one of the list's own.
    bool lstHokanKeyDown(int key);
    void lstHokanExit();

    // ---- opening and reading folders (navigation/open_folder_win.cpp, read_folder_win.cpp)
    bool OpenFolder(const std::string& path, bool addToHistory);
    // folder ends with a backslash; "" is the drive list. False, with the slot untouched,
    // when Esc stopped the reading (or another reading is under way).
    bool ReadFolder(const std::string& folder, int slot);
    void mnRefreshClick();

    // ---- tabs (navigation/tabs_win.cpp)
    void NewTab(const std::string& folder);
    // A tab for folder after the last one, its slot allocated but nothing read; its index,
    // or -1 with 32 tabs open.
    int AppendTab(const std::string& folder);
    // The tab at index and its slot go; the others close up.
    void DropTab(int index);
    void mnNewTabClick();
    void mnNextTabClick();
    void mnBackTabClick();
    void mnCloseTabClick();
    void TabControl1Changing();
    void TabControl1Change();
    void TabControl1RightClick(POINT point);  // tab strip client coordinates
    void TabControl1DragDrop(POINT point);
    // The tab whose rectangle holds point (tab strip coordinates), or -1.
    int TabAtPoint(POINT point, bool skipCurrent) const;
    void ShowTab(int index);
    void Timer1Timer();
    void UpdateSortMenu();
    void UpdateHistoryButtons();
    // The shown folder watched for other programs' changes (Watch=1), which patch its slot
    // and the list as a paste does (navigation/folder_watch_win.cpp).
    void WatchShownFolder();
    void FolderChanged();
    // The tabs of the last run as unread tabs, the current one shown (RestoreTabs=1).
    void RestoreTabs();
    // The current tab read when it is a restored one not read yet; false when its folder
    // could not be opened and the tab went.
    bool ReadRestoredTab();

    // ---- history and going up (navigation/history_win.cpp)
    void GoUp();
    void GoBack();
    void GoForward();
    // The same after going up, the status line kept.
    void FocusRowCameFrom(const std::string& name);

    // ---- keys of the list and moving the focus (navigation/list_keys_win.cpp, focus_keys_win.cpp)
    // Keys of the file list; true when the key was one of its commands.
    bool ListView1KeyDown(int key);
    void ListView1DblClick();
    // Tab, Shift+Tab and Esc in the list or one of its boxes; true when the key moved the
    // focus (Esc in a box also gives the box back what it showed before the typing).
    bool MoveFocusByKey(FocusStop at, int key);

    // ---- folders from the menus (navigation/open_from_menu_win.cpp, bookmarks_win.cpp)
    void OpenFromMenu(const std::string& folder);
    // The focus to the list, on its first row when it has rows.
    void FocusListTop();
    // Bookmarks, desktop, drive list, the clipboard's folder and deleting a tab's folder.
    void BuildBookmarkMenu();
    void AddBookmarkItem(const std::string& folder, int n, const std::string& label);
    void BookmarkClick(int n);
    void mnDesktopClick();
    void mnDrive();
    void mnAddBookmarkClick();
    void mnOpenClipDirClick();
    void popDirDeleteClick();

    // ---- clipboard transfer and the slot patching the file commands share
    // (fileops/clip_transfer_win.cpp) (fileops/clip_transfer_win.cpp)
    // Cut and copy put the files on the system clipboard too (tag 1 cut, 0 copy); paste takes
    // our own, or else the files another program put there.
    void mnCopyClick(int tag);
    void mnPasteClick();
    // Paste is offered while there is our own cut or copy, or another program's files.
    void UpdatePasteItem();
    bool OthersFilesOnClipboard() const;
    // Another program's files on the clipboard as clip entries, their kinds taken from the
    // disk at the paste; move tells whether it asked for a move.
    std::vector<std::string> OthersClipEntries(bool& move);
    void mnCopyDirnClick();
    void mnCopyFilenClick();
    void mnCopyFullpathClick();
    // The drive list and a server's share list take no file command.
    bool FileCommandsAllowed(const std::string& folder) const;
    // The shell's copy or move of the "|"-separated paths of sources to destination.
    void ShellCopyMove(bool move, const std::string& sources, const std::string& destination);
    // Every shell call goes here: a plan naming more than one file is refused with a message.
    ShellResult RunShell(const ShellPlan& plan);
    // True while slot is open on folder (ending in a backslash): a file command patches the
    // slot that asked only when it still shows the folder the command worked in.
    bool SlotShows(int slot, const std::string& folder) const;
    // Names that a paste brought into folder: refreshed or added in the slot, selected in the
    // list when it shows the slot.
    void ShowArrivals(int slot, const std::string& folder, const std::vector<std::string>& names);
    // The entry at path appended to the slot; its index, or -1 when nothing is there.
    std::int32_t AppendSlotEntry(const std::string& path, int slot);
    // A file an operation has just made in folder: into the slot and, when the list shows
    // that slot, as its last row. The row, or -1 when nothing was added to the list.
    std::int32_t AddFileItem(int slot, const std::string& folder, const std::string& name);
    // The listed name at path brought in step with the disk: size and time refreshed; when
    // gone, its row leaves; when now of the other kind, it is listed afresh as the last row.
    // Its entry index, or -1 when nothing is there.
    std::int32_t RefreshSlotEntry(const std::string& path, int slot);
    // The selected rows whose names are still on disk as the kind listed, in list order.
    // The others are brought in step with the disk (RefreshSlotEntry) and left out, so that
    // a command never acts on a file other than the one the user chose.
    std::vector<ListedName> SelectedOnDisk();
    // Every entry of that name leaves the slot, and its row leaves the list when shown.
    void RemoveSlotEntry(int slot, const std::string& name);
    // Selects a row; the first of a run also gets the focus and is scrolled into view.
    void SelectRow(std::int32_t row, bool focus);
    // Selects and focuses the row of the slot entry named name when the list shows it.
    bool FocusRowNamed(const std::string& name);

    // ---- create, rename, delete, duplicate (fileops/file_commands_win.cpp)
    void mnRenameClick();
    void mnDeleteClick(int tag);  // Tag 0 to the recycle bin, 1 for good
    void mnInsDirClick();
    void mnNewFileClick();
    void mnReplicationClick();
    // Shortcut files to the selected rows, beside them.
    void mnMakeShortcutClick();
    // An in-place edit of a caption begins (false lets it begin) or ends with a text.
    bool ListView1Editing(int row);
    void ListView1Edited(int row, const char* text);
    void StartEdit(int row);
    // The edit of a row opened again after a refused rename, with what the user typed.
    void ReopenEdit(int row);

    // ---- the popup menus (commands/popup_menu_win.cpp)
    // The Pop part of PopupMenu1 built anew from the settings, and rendered.
    void BuildPopupMenu();
    // Every Menu entry of the settings applied to the main menu, and rendered.
    void ApplyMenuShortcuts();
    // The click of every popup command: the command of its Pop entry run on the selection.
    // item lives in PopupMenu1; its parent tells a group's item from a top-level one.
    void RunPopupEntry(const TMenuItem& item);
    // PopupMenu1 opened beside the selected row, or at the pointer when none is selected.
    void mnPopupClick();
    // The list's own menu by the right button or the menu key (WM_CONTEXTMENU's point).
    void ListView1ContextMenu(LPARAM point);
    void ShowPopupMenu(const TMenuItem& menu, POINT screen);
    // The shown form of PopupMenu1 or PopupMenu2.
    HMENU RenderedPopup(const TMenuItem& menu) const;

    // ---- launching (commands/run_command_win.cpp, open_selection_win.cpp)
    // Expands a command template acting on arguments and starts it (DefaultApp once for a
    // document without association; the "実行ｴﾗｰ" box otherwise).
    void RunCommand(const std::string& commandTemplate, const std::string& arguments);
    // The selection by the association of its first item, or by command when it is given.
    void OpenSelection(const std::string& command = "");
    // The same for rows already looked up on disk (a popup command has them at hand).
    void OpenRows(const std::vector<ListedName>& rows, const std::string& command);
    // One item of the selection; false when the walk ends (a folder was entered).
    bool OpenItem(const std::string& name, const std::string& command, bool isFolder);
    // The first top-level window in Z order whose title contains text, or null.
    HWND FindWindowByTitle(const std::string& text) const;
    // The window was activated (WM_ACTIVATE's wParam): a refresh left by a launch runs now.
    void FormActivate(WPARAM state);

    // ---- small commands (commands/small_commands_win.cpp)
    void mnHelpClick();
    void mnAboutClick();
    void mnPropertyClick();
    void Find1Click();
    void mnSetUpdateClick();

    // ---- settings editors (dialogs/settings_commands_win.cpp)
    // One family through the list editor; true when the list was confirmed and stored.
    bool EditSettingsFamily(TFamilyKind kind);
    void mnSetExtClick();
    void mnSetPopupClick();
    void mnSetBookmarkClick();
    void mnSetMaskClick();
    void mnSetMenuskClick();
    void mnSetEtcClick();

    // ---- files dropped in (fileops/files_dropped_win.cpp)
    void DropFiles(const std::vector<std::string>& names);
    bool WMCopyData(HWND sender, const COPYDATASTRUCT& data);
    void WMDropFiles(HDROP drop);

    // ---- dragging out (fileops/drag_out_win.cpp)
    // F + caption of each selected row still on disk as listed, in list order.
    std::vector<std::string> SelectedPaths();
    // The render request of our own data object; false when refused (not ours, or not now).
    bool RenderDropFiles(LPARAM target);
    void ListView1MouseMove(WPARAM keys);
    // True when the list shows the drag cursor.
    bool ListView1SetCursor();
    void mnDragStartClick();
    void StartDragToNext();
    void EndDragToNext();
    // The window lost the activation: an armed drag posts the selection to the new one.
    void DropOnNextActivated();

    // ---- state (names as the program's design uses them)
    WinCollator Collator;
    TSettings Settings{Collator};
    std::string SettingsPath;
    TTabSlots TabSlots;
    TTabToSlot TabToSlot{};
    std::vector<std::string> FieldList;
    // The listing: the slot entry of each listed row, in listing order; the list's rows are
    // the part ShownPage cuts from it, of the slot ListedSlot. Shown() puts them together.
    std::vector<std::int32_t> CurrentListing;
    PageWindow ShownPage;
    int ListedSlot = -1;
    std::vector<std::string> PasteList;
    TWildMatch WildMatch;
    std::string DesktopPath;
    // mnDelete, mnDelete2, mnCopy, mnPaste, mnCut, mnSelectAll
    std::array<int, 6> SavedShortCuts{};
    bool QuickMaskPending = false;
    std::string QuickMaskText;
    std::string QuickMaskInput;  // as typed; the dialog offers it again next time
    bool EditShortcutsOn = true;
    bool DragToNextArmed = false;
    bool RefreshPending = false;
    bool OpenDirPending = false;
    std::string OpenDirPath;
    std::int8_t DefaultSortKind = 0;
    bool DefaultReverse = false;
    bool StartupOpening = false;
    std::int32_t MaxFilesValue = kDefaultMaxFiles;
    // View options; handlers set these and SyncMenus makes the menu checks follow.
    bool DetailView = false;
    bool ShowHidden = false;
    bool DisplayLimit = false;
    bool WatchFolders = true;  // Watch: the shown folder follows other programs' changes
    // Masks, the quick mask and type-ahead fold kana, width and case and read romaji.
    bool KanaFold = false;
    WinKanaFolder KanaFolding;
    const KanaFolder* NameFolder() const { return KanaFold ? &KanaFolding : nullptr; }
    std::vector<std::string> ClipFiles;
    bool ClipCut = false;
    DWORD OwnClipboardSequence = 0;  // the clipboard's sequence number after our own cut or copy
    // Names the list draws ghosted after a cut, until the folder is listed again. A set: the
    // list asks for each row it draws, and a cut may hold a whole folder.
    std::unordered_set<std::string> CutNames;
    // Shortcut files: made from the selection, read for dropped and opened links.
    TSCMake SCMake1;

    TMenuItem MainMenu1;
    TMenuItem PopupMenu1;
    TMenuItem PopupMenu2;

    // Controls (children of the main window).
    HWND TabControl1 = nullptr;
    HWND CmbDir = nullptr;
    HWND spbtnBack = nullptr, spbtnNext = nullptr, spbtnUpdir = nullptr;
    HWND spbtnDirCopy = nullptr, spbtnDirPaste = nullptr;
    HWND CmbMask = nullptr;
    HWND spbtnCut = nullptr, spbtnCopy = nullptr, spbtnPaste = nullptr;
    HWND ListView1 = nullptr;
    HWND StatusBar1 = nullptr;
    HWND lstHokan = nullptr;
    HWND Tooltip = nullptr;
    // Shared with the list (LVS_SHAREIMAGELISTS), which leaves it to us.
    UniqueImageList ImageList1;

    ModalUi& Ui;
    // The shell's file operations and the starting of programs; tests put recorders here.
    std::unique_ptr<ShellOps> Shell = std::make_unique<SystemShellOps>();
    std::unique_ptr<Launcher> Launch = std::make_unique<SystemLauncher>();

private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ReportError(HWND hwnd, const std::string& text) override;
    void Construct();
    void Destroy();
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleNotify(const NMHDR& nm);
    void ProcessPendingHandOver();
    // Waits for the worker's reading while the window paints and answers; false when it was
    // stopped.
    bool WaitForReading(FolderReading& reading);
    // Waits for done while the window paints and answers, input and the window's own posted
    // work held back until the end; busyText goes to the status line when the wait is long.
    // With stopOnEscape, Esc sets it and ends the wait. False when it was stopped.
    bool WaitForWorker(HANDLE done, std::atomic<bool>* stopOnEscape,
                       const std::function<std::string()>& busyText);
    CommandContext LaunchContext() const;
    void CarryOutLaunch(const CommandLaunch& launch, const CommandContext& context);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    // The tab strip's mouse and hint (navigation/tab_strip_win.cpp).
    LRESULT TabControlMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT TabTipNotify(const NMHDR& nm);
    void CreateControls();
    void CreateMenus();
    void OnCommand(int id);
    void OnToolButton(HWND button);
    bool IsOwnWindow(HWND hwnd) const;
    void ApplyViewChecks();
    // The folders of the command line, or the working folder when none opens
    // (navigation/tabs_win.cpp).
    void OpenStartupFolders();
    // List or details style (listing/view_options_win.cpp).
    void SetDetailView(bool on);
    void HookMaskBox();
    void HookFolderBox();
    // One font and one colour for the list, the folder box, the mask box and the completion
    // list (listing/font_colours_win.cpp).
    void SetListFont(const LOGFONTA& font, COLORREF textColour);
    void SetListBackground(COLORREF colour);
    // The brush of a text box in the list's colours (WM_CTLCOLOR*), or null for other controls.
    HBRUSH TextBoxColours(HWND control, HDC dc) const;

    HINSTANCE instance_;
    std::vector<std::string> args_;
    HWND hwnd_ = nullptr;
    bool terminated_ = false;
    UniqueMenu mainMenu_;
    UniqueMenu popup1_, popup2_;
    int popup1First_ = 0;  // the first id of popup1_ as it was last numbered
    UniqueFont designFont_;
    TGlyphButtons toolGlyphs_;
    std::vector<SubclassHolder> subclasses_;  // of the controls, removed before the window goes  //
                                              // the tool buttons' pictures
    UniqueFont listFont_;
    std::optional<OleInitialization> ole_;  // for dragging out, after the window is gone
    std::string tooltipText_;
    HWND lastFocus_ = nullptr;   // the control that had the keys when the window was left
    POINT tabPointer_{};         // last pointer position over the tab strip
    DragMoveCounter dragMoves_;  // moves of the pointer over the list with a button held
    bool draggingTab_ = false;
    // Command lines handed over by other instances, opened after their sender returned.
    std::vector<std::vector<std::string>> pendingHandOvers_;
    FolderReading* activeReading_ = nullptr;  // while a folder is read
    bool restoring_ = false;                  // a restored tab is read: failures say nothing
    std::unique_ptr<FolderWatch> watch_;      // of the shown folder
    UniqueBrush backBrush_;
    COLORREF backColour_ = RGB(255, 255, 255);
    COLORREF fontColour_ = RGB(0, 0, 0);
    LOGFONTA listLogFont_{};
    std::string completionFolder_;   // the typed folder the completion list offers names of
    CompletionList completion_;      // what the completion list shows
    std::string maskBeforeEdit_;     // the mask box's text when it got the keys
    std::string reopenText_;         // what a refused rename had typed
    std::string reopenReason_;       // and why it was refused
    std::uint64_t folderReads_ = 0;  // folders read into slots so far
};

// Registers the window class once per process.
void RegisterMainWindowClass(HINSTANCE instance);

// The message loop: menu shortcuts first, then the usual dispatch. Returns the exit code.
int RunMessageLoop(TFrmFile& form);
