// Dragging out: the data object, its format list and the drop source as a target and OLE see
// them, the render request, and the drag to the next activated window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>

#include "app/file1_win.h"
#include "fileops/drag_data_object_win.h"
#include "fileops/drag_drop_source_win.h"
#include "fileops/drag_format_enum_win.h"
#include "fileops/drag_out_win.h"
#include "fileops/drop_block.h"
#include "platform/com_ptr_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

FORMATETC Format(CLIPFORMAT cf, DWORD tymed = TYMED_HGLOBAL) {
    return {cf, nullptr, DVASPECT_CONTENT, -1, tymed};
}

// A top-level window that keeps the messages it is sent or posted.
struct RecordingWindow {
    RecordingWindow(const char* title) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "DragOutRecorder";
        ::RegisterClassA(&wc);
        hwnd = ::CreateWindowExA(0, "DragOutRecorder", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                 0, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~RecordingWindow() { ::DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
        auto* self = reinterpret_cast<RecordingWindow*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
        if (self && msg == WM_DROPFILES) {
            // Read as the block it is: the shell's reader would take the first path's bytes at
            // offset 16 for a wide flag.
            UniqueGlobal block(reinterpret_cast<HGLOBAL>(w));
            GlobalLockGuard lock(block.get());
            const auto* bytes = static_cast<const char*>(lock.Data());
            if (auto names = ParseDropBlock(std::string_view(bytes, bytes ? lock.Size() : 0)))
                self->Dropped = *names;
            return 0;
        }
        if (self && msg >= WM_USER) self->Messages.push_back({msg, w});
        return ::DefWindowProcA(h, msg, w, l);
    }
    HWND hwnd;
    Names Dropped;
    std::vector<std::pair<UINT, WPARAM>> Messages;
};

class DragOut : public WindowFixture<> {
protected:
    void SetUp() override {
        folder = dir.Make("files") + "\\";
        for (const char* name : {"a.txt", "表.txt"}) dir.Write("files\\" + std::string(name), "x");
        form = Open(ValidSettings(), {dir.Path() + "files"});
    }
    void SelectAll() { ListView_SetItemState(form->ListView1, -1, LVIS_SELECTED, LVIS_SELECTED); }

    std::string folder;
    std::unique_ptr<TFrmFile> form;
};

TEST_F(DragOut, DataObjectRendersTheSelectionAsAWideFileList) {
    SelectAll();
    ComPtr<IDataObject> data(
        DragDataObject::Create({Format(CF_HDROP)}, form->Handle(), kRenderDropFiles));
    FORMATETC hdrop = Format(CF_HDROP);
    FORMATETC text = Format(CF_TEXT);
    FORMATETC stream = Format(CF_HDROP, TYMED_ISTREAM);
    EXPECT_EQ(data->QueryGetData(&hdrop), S_OK);
    EXPECT_EQ(data->QueryGetData(&text), DV_E_FORMATETC);
    EXPECT_EQ(data->QueryGetData(&stream), DV_E_FORMATETC);
    STGMEDIUM medium{};
    EXPECT_EQ(data->GetData(&text, &medium), DV_E_FORMATETC);
    EXPECT_EQ(data->GetData(&stream, &medium), DV_E_FORMATETC);

    ASSERT_EQ(data->GetData(&hdrop, &medium), S_OK);
    EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(medium.pUnkForRelease, nullptr);
    UniqueGlobal block(medium.hGlobal);
    {
        GlobalLockGuard lock(block.get());
        const auto* header = static_cast<const DROPFILES*>(lock.Data());
        EXPECT_EQ(header->pFiles, 20u);
        EXPECT_TRUE(header->fWide);
    }
    // The shell reads it as any dropped list: both paths in list order.
    UINT n = ::DragQueryFileA(static_cast<HDROP>(block.get()), 0xFFFFFFFF, nullptr, 0);
    Names paths;
    for (UINT i = 0; i < n; ++i) {
        char name[MAX_PATH] = {};
        ::DragQueryFileA(static_cast<HDROP>(block.get()), i, name, MAX_PATH);
        paths.push_back(name);
    }
    EXPECT_EQ(paths, (Names{folder + "a.txt", folder + "表.txt"}));

    // With nothing selected there is nothing to hand over.
    ListView_SetItemState(form->ListView1, -1, 0, LVIS_SELECTED);
    EXPECT_EQ(data->GetData(&hdrop, &medium), STG_E_MEDIUMFULL);

    IEnumFORMATETC* none = reinterpret_cast<IEnumFORMATETC*>(1);
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &none), E_NOTIMPL);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, nullptr), E_INVALIDARG);
    EXPECT_EQ(data->GetDataHere(&hdrop, &medium), E_NOTIMPL);
    EXPECT_EQ(data->DAdvise(&hdrop, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->DUnadvise(0), OLE_E_NOCONNECTION);
    ComPtr<IDropSource> wrong;
    EXPECT_EQ(data->QueryInterface(IID_IDropSource, wrong.PutVoid()), E_NOINTERFACE);
    EXPECT_FALSE(wrong);
}

TEST_F(DragOut, RenderRequestsFromElsewhereWriteNothing) {
    SelectAll();
    // Our own thread, but no data object is asking: the variable stays as it is.
    HGLOBAL handle = nullptr;
    ::SendMessageA(form->Handle(), kRenderDropFiles, CF_HDROP, reinterpret_cast<LPARAM>(&handle));
    EXPECT_EQ(handle, nullptr);
    // A foreign sender's garbage pointer is not written through, and the window goes on.
    ::PostMessageA(form->Handle(), kRenderDropFiles, CF_HDROP, 0x12345678);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(form->Handle()));
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"a.txt", "表.txt"}));
}

TEST_F(DragOut, FormatListCountsSkipsClonesAndKeepsItsDataObjectAlive) {
    DragDataObject* raw =
        DragDataObject::Create({Format(CF_HDROP), Format(CF_TEXT)}, form->Handle(), 0);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->AddRef(), 1u);
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(raw->EnumFormatEtc(DATADIR_GET, formats.Put()), S_OK);
    // Each reference of the list is one on the data object too: ours now is not the last.
    EXPECT_EQ(raw->Release(), 1u);

    FORMATETC got[3] = {};
    ULONG fetched = 99;
    EXPECT_EQ(formats->Next(0, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(formats->Next(1, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_HDROP);
    ComPtr<IEnumFORMATETC> clone;
    ASSERT_EQ(formats->Clone(clone.Put()), S_OK);
    EXPECT_EQ(formats->Next(3, got, &fetched), S_FALSE);  // only one was left
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(formats->Next(1, got, &fetched), S_FALSE);  // at the end
    EXPECT_EQ(fetched, 0u);
    // The clone goes on from where the list was when it was made.
    EXPECT_EQ(clone->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(formats->Reset(), S_OK);
    EXPECT_EQ(formats->Next(1, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(formats->Skip(1), S_OK);
    EXPECT_EQ(formats->Skip(5), S_FALSE);
    EXPECT_EQ(formats->Next(1, got, &fetched), S_FALSE);
    // The data object answers still, through the lists that hold it.
    FORMATETC hdrop = Format(CF_HDROP);
    EXPECT_EQ(raw->QueryGetData(&hdrop), S_OK);
    clone.Reset();
    formats.Reset();  // the last reference: list and data object go
}

TEST_F(DragOut, DropSourceGoesOnWhileItsButtonIsHeld) {
    RecordingWindow window("source");
    ComPtr<IDropSource> source(DragDropSource::Create(window.hwnd, WM_USER + 7, MK_RBUTTON));
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON | MK_LBUTTON), S_OK);
    EXPECT_TRUE(window.Messages.empty());
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_RBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(window.Messages,
              (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 7, DRAGDROP_S_DROP},
                                                    {WM_USER + 7, DRAGDROP_S_CANCEL}}));
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(source->QueryInterface(IID_IUnknown, unknown.PutVoid()), S_OK);
}

TEST_F(DragOut, EntryPointsAreExportedFromTheExecutable) {
    HMODULE self = ::GetModuleHandleA(nullptr);
    EXPECT_NE(::GetProcAddress(self, "OLE_IDropSource_Start"), nullptr);
    FARPROC found = ::GetProcAddress(self, "CreateDropFileMem");
    ASSERT_NE(found, nullptr);
    HGLOBAL (*create)(const char* const*, int) = nullptr;
    std::memcpy(&create, &found, sizeof create);
    const std::string longPath = "C:\\" + std::string(400, 'x');
    const char* paths[] = {longPath.c_str()};
    UniqueGlobal block(create(paths, 1));
    // No cut at 260 units: 20 + 2 * (403 + 1) + 2 bytes.
    EXPECT_EQ(::GlobalSize(block.get()), 20u + 808u + 2u);
}

TEST_F(DragOut, ArmedDragPostsTheSelectionToTheNextActiveWindow) {
    RecordingWindow target("相手");
    SelectAll();
    form->ClickMenu("mnDragStart");
    EXPECT_TRUE(form->DragToNextArmed);
    EXPECT_EQ(StatusText(form->StatusBar1), "ﾄﾞﾗｯｸﾞ");
    // Files dropped on us meanwhile are ignored.
    dir.Write("other.txt", "y");
    form->DropFiles({dir.Path() + "other.txt"});
    EXPECT_TRUE(form->ClipFiles.empty());
    // Pressed again: disarmed, nothing posted, the selection's details back.
    form->ClickMenu("mnDragStart");
    EXPECT_FALSE(form->DragToNextArmed);
    EXPECT_NE(StatusText(form->StatusBar1), "ﾄﾞﾗｯｸﾞ");

    form->ClickMenu("mnDragStart");
    ::SetForegroundWindow(form->Handle());
    ::SetForegroundWindow(target.hwnd);
    ::SendMessageA(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    PumpMessages();
    EXPECT_EQ(target.Dropped, (Names{folder + "a.txt", folder + "表.txt"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "ﾄﾞﾛｯﾌﾟ: 相手");
    EXPECT_FALSE(form->DragToNextArmed);

    // Listing a folder disarms as well.
    form->ClickMenu("mnDragStart");
    form->ClickMenu("mnRefresh");
    EXPECT_FALSE(form->DragToNextArmed);
}

TEST_F(DragOut, FilesThatChangedSinceTheyWereListedAreNotHandedOver) {
    RecordingWindow target("相手");
    SelectAll();
    form->ClickMenu("mnDragStart");
    ::DeleteFileA((folder + "a.txt").c_str());
    ::SetForegroundWindow(form->Handle());
    ::SetForegroundWindow(target.hwnd);
    ::SendMessageA(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    PumpMessages();
    EXPECT_EQ(target.Dropped, Names{folder + "表.txt"});
    EXPECT_EQ(ListCaptions(form->ListView1), Names{"表.txt"});

    // A drop asks for the files when it lands: one replaced by a folder meanwhile is left out.
    SelectAll();
    ComPtr<IDataObject> data(
        DragDataObject::Create({Format(CF_HDROP)}, form->Handle(), kRenderDropFiles));
    ASSERT_TRUE(::DeleteFileA((folder + "表.txt").c_str()));
    ASSERT_TRUE(::CreateDirectoryA((folder + "表.txt").c_str(), nullptr));
    FORMATETC hdrop = Format(CF_HDROP);
    STGMEDIUM medium{};
    EXPECT_EQ(data->GetData(&hdrop, &medium), STG_E_MEDIUMFULL);
    EXPECT_EQ(form->TabSlots[form->CurrentSlot()].Kinds, "0");
}

TEST_F(DragOut, DroppedShortcutOpensItsFolderAndFilesAreCopiedHere) {
    auto& shell = Install<RecordingShellOps>(form->Shell);
    const std::string target = dir.Make("target");
    form->SCMake1.SCDir = dir.Path();
    form->SCMake1.SCName = "link";
    form->SCMake1.LinkPath = target;
    ASSERT_EQ(form->SCMake1.MakeShortcut(), 0);
    form->DropFiles({dir.Path() + "link.LNK"});
    EXPECT_EQ(TabCaptions(form->TabControl1), (Names{"files", "target"}));

    form->ShowTab(0);
    PumpMessages();
    dir.Write("elsewhere.txt", "z");
    form->DropFiles({dir.Path() + "elsewhere.txt"});
    EXPECT_EQ(StatusText(form->StatusBar1), "ｺﾋﾟｰ 1個");
    ASSERT_EQ(shell.Plans.size(), 1u);
    EXPECT_EQ(shell.Plans[0].Sources, Names{dir.Path() + "elsewhere.txt"});
    ASSERT_EQ(shell.Plans[0].Destinations.size(), 1u);
    EXPECT_EQ(shell.Plans[0].Destinations[0].rfind(dir.Path() + "files", 0), 0u);
    EXPECT_TRUE(form->ClipFiles.empty());
}

}  // namespace
