// The main window: creation from its design, construction order, message map and the
// menu-shortcut rule.
#include "app/file1_win.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstring>
#include <map>
#include <stdexcept>

#include "commands/popup_menu.h"
#include "commands/shortcut_text.h"
#include "fileops/drag_out_win.h"
#include "navigation/bookmarks.h"
#include "navigation/folder_reading_win.h"
#include "navigation/folder_watch_win.h"
#include "platform/design_font_win.h"
#include "platform/desktop_folder_win.h"
#include "platform/menu_render_win.h"
#include "platform/window_plumbing_win.h"

namespace {

constexpr int kFirstMenuCommand = 1000;

bool IsListView(HWND hwnd) {
    char name[32] = {};
    return ::GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, WC_LISTVIEWA) == 0;
}

// Design places of the controls, before the settings and the layout move them.
struct DesignPlace {
    int Left, Top, Width, Height;
};
constexpr DesignPlace kWindowDesign{234, 203, 546, 210};
constexpr DesignPlace kTabDesign{0, 0, 409, 136};
constexpr DesignPlace kDirDesign{0, 16, 147, 20};
constexpr DesignPlace kMaskDesign{265, 16, 73, 20};
constexpr DesignPlace kListDesign{0, 37, 210, 83};
constexpr DesignPlace kHokanDesign{0, 16, 121, 113};
constexpr int kToolButtonSize = 20;
constexpr UINT_PTR kTabStripSubclass = 1;
constexpr UINT_PTR kUpButtonSubclass = 2;
constexpr UINT_PTR kTooltipSubclass = 3;
constexpr UINT_PTR kListViewSubclass = 4;

// Click handlers of the menu items.
using Handler = void (TFrmFile::*)();
const std::map<std::string, Handler>& MenuHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"mnQuit", &TFrmFile::mnQuitClick},
        {"mnSetSave", &TFrmFile::mnSetSaveClick},
        {"mnCloseTab", &TFrmFile::mnCloseTabClick},
        {"KC1", &TFrmFile::mnCloseTabClick},
        {"mnNewTab", &TFrmFile::mnNewTabClick},
        {"KN1", &TFrmFile::mnNewTabClick},
        {"mnNextTab", &TFrmFile::mnNextTabClick},
        {"mnBackTab", &TFrmFile::mnBackTabClick},
        {"mnRefresh", &TFrmFile::mnRefreshClick},
        {"mnSetFont", &TFrmFile::mnSetFontClick},
        {"mnSetBackColor", &TFrmFile::mnSetBackColorClick},
        {"mnDesktop", &TFrmFile::mnDesktopClick},
        {"N11", &TFrmFile::mnDrive},
        {"D1", &TFrmFile::mnDrive},
        {"mnAddBookmark", &TFrmFile::mnAddBookmarkClick},
        {"mnOpenClipDir", &TFrmFile::mnOpenClipDirClick},
        {"popDirDelete", &TFrmFile::popDirDeleteClick},
        {"mnDetail", &TFrmFile::mnDetailClick},
        {"mnHiddenFile", &TFrmFile::mnHiddenFileClick},
        {"mnHyojisu", &TFrmFile::mnHyojisuClick},
        {"mnQuickMask", &TFrmFile::mnQuickMaskClick},
        {"mnMask", &TFrmFile::mnMaskClick},
        {"mnSelectAll", &TFrmFile::mnSelectAllClick},
        {"mnPaste", &TFrmFile::mnPasteClick},
        {"mnCopyDirn", &TFrmFile::mnCopyDirnClick},
        {"mnCopyFilen", &TFrmFile::mnCopyFilenClick},
        {"mnCopyFullpath", &TFrmFile::mnCopyFullpathClick},
        {"mnRename", &TFrmFile::mnRenameClick},
        {"mnInsDir", &TFrmFile::mnInsDirClick},
        {"mnNewFile", &TFrmFile::mnNewFileClick},
        {"mnReplication", &TFrmFile::mnReplicationClick},
        {"mnMakeShortcut", &TFrmFile::mnMakeShortcutClick},
        {"mnDragStart", &TFrmFile::mnDragStartClick},
        {"mnHelp", &TFrmFile::mnHelpClick},
        {"mnAbout", &TFrmFile::mnAboutClick},
        {"mnProperty", &TFrmFile::mnPropertyClick},
        {"mnPopup", &TFrmFile::mnPopupClick},
        {"Find1", &TFrmFile::Find1Click},
        {"mnSetUpdate", &TFrmFile::mnSetUpdateClick},
        {"mnSetExt", &TFrmFile::mnSetExtClick},
        {"mnSetPopup", &TFrmFile::mnSetPopupClick},
        {"mnSetBookmark", &TFrmFile::mnSetBookmarkClick},
        {"mnSetMask", &TFrmFile::mnSetMaskClick},
        {"mnSetMenusk", &TFrmFile::mnSetMenuskClick},
        {"mnSetEtc", &TFrmFile::mnSetEtcClick},
    };
    return handlers;
}

// Handlers that several items share; each gets the clicked item's Tag.
using TaggedHandler = void (TFrmFile::*)(int tag);
const std::map<std::string, TaggedHandler>& TaggedMenuHandlers() {
    static const std::map<std::string, TaggedHandler> handlers = {
        {"mnSortName", &TFrmFile::mnSortNameClick},  {"mnSortSize", &TFrmFile::mnSortNameClick},
        {"mnSortExt", &TFrmFile::mnSortNameClick},   {"mnSortTime", &TFrmFile::mnSortNameClick},
        {"popSortName", &TFrmFile::mnSortNameClick}, {"popSortSize", &TFrmFile::mnSortNameClick},
        {"popSortExt", &TFrmFile::mnSortNameClick},  {"popSortTime", &TFrmFile::mnSortNameClick},
        {"mnCut", &TFrmFile::mnCopyClick},           {"mnCopy", &TFrmFile::mnCopyClick},
        {"mnDelete", &TFrmFile::mnDeleteClick},      {"mnDelete2", &TFrmFile::mnDeleteClick},
    };
    return handlers;
}

HWND CreateChild(HWND parent, DWORD exStyle, const char* cls, const char* text, DWORD style,
                 const DesignPlace& p, int id = 0) {
    HWND hwnd = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | style, p.Left, p.Top, p.Width,
                                  p.Height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) throw std::runtime_error(std::string("ｺﾝﾄﾛｰﾙを作成できません: ") + cls);
    return hwnd;
}

}  // namespace

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &WindowObjectProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassOnce(wc);
}

TFrmFile::TFrmFile(HINSTANCE instance, std::vector<std::string> args, ModalUi& ui,
                   std::string settingsPath)
    : SettingsPath(std::move(settingsPath)), Ui(ui), instance_(instance), args_(std::move(args)) {
    try {
        Construct();
    } catch (...) {
        // A failed construction leaves no window behind that points at this object.
        Destroy();
        throw;
    }
}

void TFrmFile::Construct() {
    // The window from its design: controls, menus, tab bar, list view.
    RegisterMainWindowClass(instance_);
    hwnd_ = ::CreateWindowExA(0, kMainWindowClass, kMainWindowCaption,
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kWindowDesign.Left,
                              kWindowDesign.Top, kWindowDesign.Width, kWindowDesign.Height, nullptr,
                              nullptr, instance_, static_cast<WindowObject*>(this));
    if (!hwnd_) throw std::runtime_error("ﾒｲﾝｳｨﾝﾄﾞｳを作成できません");
    // The shell's questions belong to the window: it waits while they are open.
    Shell->SetOwner(hwnd_);
    CreateControls();
    CreateMenus();
    // Slots are free and the shared lists empty from their construction.
    TabSlots.FreeAll();
    QuickMaskPending = false;
    DesktopPath = DesktopFolder() + "\\";
    // The edit shortcuts as designed, before any settings change them.
    SavedShortCuts = {MenuItem("mnDelete").ShortCut, MenuItem("mnDelete2").ShortCut,
                      MenuItem("mnCopy").ShortCut,   MenuItem("mnPaste").ShortCut,
                      MenuItem("mnCut").ShortCut,    MenuItem("mnSelectAll").ShortCut};
    DefaultSortKind = 0;
    DefaultReverse = false;
    DragToNextArmed = RefreshPending = OpenDirPending = false;
    // Without valid settings nothing else happens: no tab opens and nothing is saved.
    if (!LoadSettings()) {
        Ui.Message(hwnd_, "tabora.iniがないか不正です", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        terminated_ = true;
        return;
    }
    ::SetWindowTextA(CmbMask, Settings.Value("Mask").c_str());
    // The list images, in the background colour of the settings.
    BuildListIcons();
    // Files dropped from the shell; OLE for this thread.
    ::DragAcceptFiles(hwnd_, TRUE);
    // Paste follows what other programs put on the clipboard.
    ::AddClipboardFormatListener(hwnd_);
    ole_.emplace();
    // The menus and the mask box's list from the settings; the Menu entries last, so they
    // reach the bookmark items too.
    BuildPopupMenu();
    BuildBookmarkMenu();
    FillMaskBox();
    ApplyMenuShortcuts();
    // The folders of the command line, or the working folder when none opens.
    OpenStartupFolders();
    // The list font and colours from the settings, then the view they ask for.
    ApplyFontAndColours();
    SetDetailView(DetailView);
    UpdatePasteItem();
}

TFrmFile::~TFrmFile() { Destroy(); }

void TFrmFile::Destroy() {
    watch_.reset();
    subclasses_.clear();
    if (hwnd_) {
        DetachWindowObject(hwnd_);
        ::DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    // Only after the list that shows its images is gone.
    ImageList1.reset();
    ole_.reset();
}

void TFrmFile::CreateControls() {
    const DWORD visible = WS_VISIBLE;
    // The tab strip is the back of the client area; the other controls stand in front of it.
    TabControl1 =
        CreateChild(hwnd_, 0, WC_TABCONTROLA, "",
                    visible | WS_CLIPSIBLINGS | TCS_TOOLTIPS | TCS_FOCUSNEVER, kTabDesign);
    TabCtrl_SetItemSize(TabControl1, 0, 14);
    CmbDir = CreateChild(hwnd_, WS_EX_CLIENTEDGE, "EDIT", "", visible | ES_AUTOHSCROLL | WS_TABSTOP,
                         kDirDesign);
    struct ButtonDesign {
        HWND* Handle;
        int Left;
        const char* Hint;  // also the button's text, read by tools that cannot see the glyph
    };
    // In the order of their glyphs in the strip.
    // clang-format off
    const ButtonDesign buttons[] = {
        {&spbtnBack, 147, "戻る"},          {&spbtnNext, 167, "進む"},
        {&spbtnUpdir, 187, "上へ"},         {&spbtnDirCopy, 207, "ﾌｫﾙﾀﾞｺﾋﾟｰ"},
        {&spbtnDirPaste, 227, "ﾌｫﾙﾀﾞﾍﾟｰｽﾄ"}, {&spbtnCut, 337, "ｶｯﾄ"},
        {&spbtnCopy, 359, "ｺﾋﾟｰ"},          {&spbtnPaste, 379, "ﾍﾟｰｽﾄ"},
    };
    // clang-format on
    toolGlyphs_.Load(instance_);
    Tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                0, 0, 0, 0, hwnd_, nullptr, instance_, nullptr);
    int glyph = 0;
    for (const ButtonDesign& b : buttons) {
        *b.Handle = CreateChild(hwnd_, 0, "BUTTON", b.Hint, visible | BS_OWNERDRAW,
                                {b.Left, 16, kToolButtonSize, kToolButtonSize});
        toolGlyphs_.Add(*b.Handle, glyph++);
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(*b.Handle);
        ti.lpszText = const_cast<char*>(b.Hint);
        ::SendMessageA(Tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    subclasses_.emplace_back(Tooltip, &TFrmFile::ControlProc, kTooltipSubclass,
                             reinterpret_cast<DWORD_PTR>(this));
    ::EnableWindow(spbtnBack, FALSE);
    ::EnableWindow(spbtnNext, FALSE);
    CmbMask =
        CreateChild(hwnd_, 0, "COMBOBOX", "", visible | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL,
                    {kMaskDesign.Left, kMaskDesign.Top, kMaskDesign.Width, 200});
    ::SetWindowTextA(CmbMask, "*.*");
    ListView1 = CreateChild(hwnd_, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            visible | WS_TABSTOP | LVS_LIST | LVS_SHOWSELALWAYS | LVS_EDITLABELS |
                                LVS_SHAREIMAGELISTS | LVS_OWNERDATA,
                            kListDesign);
    ListView_SetExtendedListViewStyle(ListView1, LVS_EX_FULLROWSELECT);
    // An owner-data list keeps no states but selection and focus: the ghost of a cut row is
    // asked of us as it draws.
    ListView_SetCallbackMask(ListView1, LVIS_CUT);
    const struct {
        const char* Caption;
        int Format;
    } columns[] = {{"名前", LVCFMT_LEFT}, {"ｻｲｽﾞ", LVCFMT_RIGHT}, {"更新日時", LVCFMT_LEFT}};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        col.fmt = columns[i].Format;
        col.cx = 120;
        col.pszText = const_cast<char*>(columns[i].Caption);
        col.iSubItem = i;
        ListView_InsertColumn(ListView1, i, &col);
    }
    StatusBar1 =
        CreateChild(hwnd_, 0, STATUSCLASSNAMEA, "", visible | SBARS_SIZEGRIP, {0, 0, 0, 15});
    int parts[] = {-1};
    ::SendMessageA(StatusBar1, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    // Completion lines come in their order (folders first): the list must not sort them.
    lstHokan =
        CreateChild(hwnd_, WS_EX_CLIENTEDGE, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL, kHokanDesign);
    for (auto [control, id] : {std::pair{TabControl1, kTabStripSubclass},
                               {spbtnUpdir, kUpButtonSubclass},
                               {ListView1, kListViewSubclass}})
        subclasses_.emplace_back(control, &TFrmFile::ControlProc, id,
                                 reinterpret_cast<DWORD_PTR>(this));
    HookMaskBox();
    HookFolderBox();
    // The tab strip at the back of the z-order so it never paints over the others.
    ::SetWindowPos(TabControl1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    // The design font for everything; the list's own font comes from the settings.
    designFont_.reset(CreateDesignFont());
    for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(designFont_.get()), FALSE);
}

void TFrmFile::CreateMenus() {
    MainMenu1 = MainMenuDesign();
    PopupMenu1 = FileListPopupDesign();
    PopupMenu2 = TabPopupDesign();
    RefreshMainMenu();
}

void TFrmFile::RefreshMainMenu() {
    ApplyViewChecks();
    // Ids run on through all three menus, so a grown main menu renumbers the popups too. The
    // file list's popup comes last: only its Pop commands may be left out for want of ids.
    const MenuNumbering menuBar = AssignCommands(MainMenu1, kFirstMenuCommand);
    const MenuNumbering tabs = AssignCommands(PopupMenu2, menuBar.Next);
    const int leftOut = NumberPopupMenu(PopupMenu1, tabs.Next).LeftOut;
    if (mainMenu_) {
        // Refilled in place: a new bar would resize the window and its controls.
        RenderMenuInto(mainMenu_.get(), MainMenu1);
    } else {
        mainMenu_.reset(RenderMenu(MainMenu1, false));
        ::SetMenu(hwnd_, mainMenu_.get());
    }
    // The file list's popup may hold thousands of Pop commands, and Wine copies a whole menu
    // for every item it inserts: it is rendered only when its items changed. Otherwise only
    // the ids it moved by and the states of the designed items are written into it.
    if (!popup1_ || leftOut > 0) {
        popup1_.reset(RenderMenu(PopupMenu1, true));
    } else {
        if (tabs.Next != popup1First_) RenumberMenu(popup1_.get(), PopupMenu1);
        SyncMenuItems(popup1_.get(), PopupMenu1, &IsPopupCommand);
    }
    popup1First_ = tabs.Next;
    popup2_.reset(RenderMenu(PopupMenu2, true));
    ::DrawMenuBar(hwnd_);
    // Told once: what was left out is gone from the model, so later refreshes fit.
    if (leftOut > 0) Ui.Message(hwnd_, PopupLeftOutMessage(leftOut), "ｴﾗｰ", MB_OK | MB_ICONERROR);
}

void TFrmFile::ApplyViewChecks() {
    MenuItem("mnDetail").Checked = DetailView;
    MenuItem("mnHiddenFile").Checked = ShowHidden;
    MenuItem("mnHyojisu").Checked = DisplayLimit;
}

void TFrmFile::SyncMenus() {
    ApplyViewChecks();
    SyncMenuItems(mainMenu_.get(), MainMenu1);
    // The Pop commands never change between renderings.
    SyncMenuItems(popup1_.get(), PopupMenu1, &IsPopupCommand);
    SyncMenuItems(popup2_.get(), PopupMenu2);
    ::DrawMenuBar(hwnd_);
}

TMenuItem& TFrmFile::MenuItem(const std::string& name) {
    for (TMenuItem* root : {&MainMenu1, &PopupMenu1, &PopupMenu2})
        if (TMenuItem* item = FindItem(*root, name)) return *item;
    throw std::logic_error("no menu item " + name);
}

bool TFrmFile::HasMenuHandler(const std::string& name) {
    return MenuHandlers().count(name) > 0 || TaggedMenuHandlers().count(name) > 0;
}

void TFrmFile::ClickMenu(const std::string& name) {
    auto it = MenuHandlers().find(name);
    if (it != MenuHandlers().end()) {
        (this->*(it->second))();
        return;
    }
    auto tagged = TaggedMenuHandlers().find(name);
    if (tagged != TaggedMenuHandlers().end()) {
        (this->*(tagged->second))(MenuItem(name).Tag);
        return;
    }
    throw std::logic_error("menu item without a handler: " + name);
}

void TFrmFile::ClickMenuItem(const TMenuItem& item) {
    // Separators and submenus carry no command (a Menu entry may still give them a key).
    if (item.IsSeparator() || !item.Items.empty()) return;
    if (item.Name == kBookmarkItemName)
        BookmarkClick(item.Tag);
    else if (item.Name == kPopupCommandName)
        RunPopupEntry(item);
    else
        ClickMenu(item.Name);
}

void TFrmFile::OnCommand(int id) {
    for (TMenuItem* root : {&MainMenu1, &PopupMenu1, &PopupMenu2}) {
        if (TMenuItem* item = FindCommand(*root, id)) {
            if (item->Enabled) ClickMenuItem(*item);
            return;
        }
    }
}

bool TFrmFile::IsOwnWindow(HWND hwnd) const { return hwnd == hwnd_ || ::IsChild(hwnd_, hwnd); }

bool TFrmFile::HandleShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (!IsOwnWindow(msg.hwnd)) return false;
    int key = static_cast<int>(msg.wParam) & 0xFF;
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
    // In the folder box Ins opens the completion list, whatever item the key belongs to.
    if (key == VK_INSERT && msg.hwnd == CmbDir) return false;
    // The completion list lives only while it has the keys and takes none of the menus': Del
    // or Ctrl+X there would act on the file list's selection, which the user is not looking at.
    if (msg.hwnd == lstHokan) return false;
    int code = ShortCut(key, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0,
                        ::GetKeyState(VK_MENU) < 0);
    const TMenuItem* item = FindShortCut(MainMenu1, code);
    if (!item) item = FindShortCut(PopupMenu1, code);
    if (!item || !item->Enabled || !item->Visible) return false;
    ClickMenuItem(*item);
    return true;
}

LRESULT TFrmFile::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) hwnd_ = hwnd;
    return HandleMessage(msg, wParam, lParam);
}

void TFrmFile::ReportError(HWND hwnd, const std::string& text) { ShowErrorReport(Ui, hwnd, text); }

LRESULT TFrmFile::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {  // a menu item
                OnCommand(LOWORD(wParam));
                return 0;
            }
            if (reinterpret_cast<HWND>(lParam) == CmbDir) {
                if (HIWORD(wParam) == EN_SETFOCUS) CmbDirEnter();
                if (HIWORD(wParam) == EN_KILLFOCUS) CmbDirExit();
                return 0;
            }
            if (reinterpret_cast<HWND>(lParam) == CmbMask) {
                if (HIWORD(wParam) == CBN_SELCHANGE) CmbMaskChange();
                if (HIWORD(wParam) == CBN_SETFOCUS) CmbMaskEnter();
                if (HIWORD(wParam) == CBN_KILLFOCUS) CmbMaskExit();
                return 0;
            }
            // An owner-drawn button reports the second click of a quick pair as a double
            // click; it is a click all the same.
            if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == BN_DOUBLECLICKED) {
                OnToolButton(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kTimer1) Timer1Timer();
            return 0;
        case WM_SIZE:
            if (ListView1) FormResize();
            return 0;
        case WM_CLOSE:
            if (activeReading_) {  // stop the reading first, then close
                activeReading_->Stop = true;
                ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
                return 0;
            }
            FormClose();
            ::DestroyWindow(hwnd_);
            return 0;
        case WM_ACTIVATE:
            FormActivate(wParam);
            // Keep the control that had the keys, so coming back to the window goes on there.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
            }
            if (LOWORD(wParam) == WA_INACTIVE && DragToNextArmed)
                ::PostMessageA(hwnd_, kDropOnNextActivated, 0, 0);
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != ListView1) break;
            ListView1ContextMenu(lParam);
            return 0;
        case WM_SETFOCUS:
            ::SetFocus(lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : ListView1);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            ::PostQuitMessage(0);
            return 0;
        case WM_COPYDATA:
            return WMCopyData(reinterpret_cast<HWND>(wParam),
                              *reinterpret_cast<const COPYDATASTRUCT*>(lParam))
                       ? TRUE
                       : FALSE;
        case kProcessHandOver: ProcessPendingHandOver(); return 0;
        case kRenderDropFiles: RenderDropFiles(lParam); return 0;
        case kDropOnNextActivated: DropOnNextActivated(); return 0;
        case kReopenEdit: ReopenEdit(static_cast<int>(wParam)); return 0;
        case WM_DROPFILES: WMDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_CLIPBOARDUPDATE: UpdatePasteItem(); return 0;
        case kFolderChanged: FolderChanged(); return 0;
        case WM_NOTIFY: return HandleNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_NOTIFYFORMAT:
            // The list asks its texts in UTF-16, so that a name the code page cannot hold is
            // drawn with its own characters.
            if (lParam == NF_QUERY && IsListView(reinterpret_cast<HWND>(wParam)))
                return NFR_UNICODE;
            break;
        case WM_MOUSEMOVE: toolGlyphs_.RelayHintOfDisabled(hwnd_, lParam, Tooltip); break;
        case WM_DRAWITEM:
            if (toolGlyphs_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (HBRUSH brush =
                    TextBoxColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        default: break;
    }
    return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT TFrmFile::HandleNotify(const NMHDR& nm) {
    if (nm.hwndFrom == TabControl1) {
        if (nm.code == TCN_SELCHANGING) TabControl1Changing();
        if (nm.code == TCN_SELCHANGE) TabControl1Change();
        return FALSE;
    }
    if (nm.hwndFrom == ListView1) return ListView1Notify(nm);
    if (nm.hwndFrom == TabCtrl_GetToolTips(TabControl1)) return TabTipNotify(nm);
    return 0;
}

void TFrmFile::OnToolButton(HWND button) {
    if (button == spbtnBack)
        GoBack();
    else if (button == spbtnNext)
        GoForward();
    else if (button == spbtnUpdir)
        GoUp();
    else if (button == spbtnDirPaste)
        mnOpenClipDirClick();
    else if (button == spbtnDirCopy)
        mnCopyDirnClick();
    else if (button == spbtnCut)
        mnCopyClick(1);
    else if (button == spbtnCopy)
        mnCopyClick(0);
    else if (button == spbtnPaste)
        mnPasteClick();
    // Tool buttons never keep the focus: the keys belong to the list.
    if (::GetFocus() == button) ::SetFocus(ListView1);
}

LRESULT CALLBACK TFrmFile::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<TFrmFile*>(data);
    try {
        if (id == kUpButtonSubclass && msg == WM_RBUTTONDOWN) {
            self->PageBack();
            return 0;
        }
        if (id == kTooltipSubclass && msg == TTM_WINDOWFROMPOINT) {
            // The tooltip asks which window is under the pointer; a disabled button counts.
            if (HWND button = self->toolGlyphs_.ButtonAt(*reinterpret_cast<POINT*>(lParam)))
                return reinterpret_cast<LRESULT>(button);
        }
        if (id == kTabStripSubclass && msg == WM_MOUSEMOVE)
            self->toolGlyphs_.RelayHintOfDisabled(hwnd, lParam, self->Tooltip);
        if (id == kListViewSubclass && msg == WM_MOUSEMOVE) self->ListView1MouseMove(wParam);
        if (id == kListViewSubclass && msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT &&
            self->ListView1SetCursor())
            return TRUE;
        if (id == kTabStripSubclass) {
            bool handled = false;
            LRESULT r = self->TabControlMessage(msg, wParam, lParam, handled);
            if (handled) return r;
        }
    } catch (...) {
        ShowErrorReport(self->Ui, self->hwnd_, CurrentErrorText());
        return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

int RunMessageLoop(TFrmFile& form) {
    MSG msg{};
    for (;;) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) break;
        if (got == -1) continue;  // a failed fetch (an oversized message) ends nothing
        try {
            if (form.HandleShortCut(msg)) continue;
            // The list's own keys; Alt combinations it used go no further (no menu beep).
            if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
                msg.hwnd == form.ListView1 && form.ListView1KeyDown(static_cast<int>(msg.wParam)) &&
                msg.message == WM_SYSKEYDOWN)
                continue;
        } catch (...) {
            ShowErrorReport(form.Ui, form.Handle(), CurrentErrorText());
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
