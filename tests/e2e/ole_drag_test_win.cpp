// An OLE drag from the list to a window of another process that accepts dropped files,
// driven with real mouse input.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
// clang-format on

#include <atomic>
#include <thread>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

// Takes the files of a drop; answers copy while the data offers them.
class FileTarget final : public IDropTarget {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }  // lives on the stack
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        Entered = true;
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (SUCCEEDED(data->GetData(&format, &medium))) {
            auto drop = static_cast<HDROP>(medium.hGlobal);
            UINT n = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < n; ++i) {
                char name[MAX_PATH] = {};
                ::DragQueryFileA(drop, i, name, MAX_PATH);
                Dropped.push_back(name);
            }
            ::ReleaseStgMedium(&medium);
        }
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    bool Entered = false;
    Names Dropped;

private:
    ULONG refs_ = 1;
};

class OleDrag : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        WriteSettings(ValidSettings().Set("Mask", "*.*").Bytes());
        WriteFile("work\\a.txt", 3);
    }
    void TearDown() override { ::OleUninitialize(); }
};

TEST_F(OleDrag, ListRowsDraggedToAnotherProgramArriveAsFiles) {
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt"}), Names{"a.txt"});

    HWND target = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "drop here", WS_POPUP | WS_VISIBLE,
                                    900, 100, 200, 200, nullptr, nullptr, nullptr, nullptr);
    FileTarget files;
    ASSERT_EQ(::RegisterDragDrop(target, &files), S_OK);
    ASSERT_TRUE(BringToFront(window.Main));
    SelectListItem(window.List, 0);
    POINT from = CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL));
    std::atomic<bool> done{false};
    std::thread drag([&] {
        DragMouse(from, {1000, 200});
        done = true;
    });
    // The target's calls come to this thread: keep its messages flowing.
    const DWORD start = ::GetTickCount();
    while (!(done && !files.Dropped.empty()) && ::GetTickCount() - start < 8000) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        ::Sleep(10);
    }
    drag.join();
    EXPECT_TRUE(files.Entered);
    EXPECT_EQ(files.Dropped, Names{WorkFolder + "\\a.txt"});
    ::RevokeDragDrop(target);
    ::DestroyWindow(target);
}

}  // namespace
}  // namespace e2e
