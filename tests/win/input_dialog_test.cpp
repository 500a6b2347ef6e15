// The one-line input dialog for real: shown modally, answered from inside its own loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "dialogs/input_dialog_win.h"
#include "win_test_support.h"

namespace {

std::function<void()>* onTick = nullptr;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (onTick) (*onTick)();
}

class InputDialog : public ::testing::Test {
protected:
    void SetUp() override {
        owner = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  300, 200, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        font = ::CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "MS UI Gothic");
    }
    void TearDown() override {
        ::DestroyWindow(owner);
        ::DeleteObject(font);
    }
    // Execute, with act run once from inside the dialog's modal loop as soon as it shows.
    // Should act not answer, the dialog is closed after two seconds so nothing hangs.
    bool Run(std::string& text, const std::function<void()>& act) {
        bool acted = false;
        int waited = 0;
        std::function<void()> tick = [&] {
            if (!::IsWindowVisible(dialog.Handle())) return;
            if (!acted) {
                acted = true;
                act();
            } else if (++waited > 200) {
                ::SendMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
            }
        };
        onTick = &tick;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &Tick);
        bool ok = dialog.Execute(owner, "ｸｲｯｸﾏｽｸ", font, text);
        ::KillTimer(nullptr, timer);
        onTick = nullptr;
        EXPECT_TRUE(acted);
        return ok;
    }
    void Type(const std::string& chars) {
        for (char c : chars) ::SendMessageA(dialog.edtInput, WM_CHAR, static_cast<BYTE>(c), 0);
    }

    TfrmInput dialog;
    HWND owner = nullptr;
    HFONT font = nullptr;
};

TEST_F(InputDialog, ShowsTheTextSelectedAndReturnsWhatWasTypedOnOk) {
    std::string text = "old";
    std::string caption, shown;
    DWORD selStart = 99, selEnd = 99;
    HFONT editFont = nullptr;
    BOOL ownerEnabled = TRUE;
    bool ok = Run(text, [&] {
        caption = WindowText(dialog.Handle());
        shown = WindowText(dialog.edtInput);
        ::SendMessageA(dialog.edtInput, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                       reinterpret_cast<LPARAM>(&selEnd));
        editFont = reinterpret_cast<HFONT>(::SendMessageA(dialog.edtInput, WM_GETFONT, 0, 0));
        ownerEnabled = ::IsWindowEnabled(owner);
        Type("*.t");  // replaces the selected text
        ::SendMessageA(dialog.edtInput, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("表示"));
        ::SendMessageA(dialog.btnOk, BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(text, "*.t表示");
    EXPECT_EQ(caption, "ｸｲｯｸﾏｽｸ");
    EXPECT_EQ(shown, "old");
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, 3u);
    EXPECT_EQ(editFont, font);
    EXPECT_FALSE(ownerEnabled);  // modal: the owner takes no input meanwhile
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));
    // The edit is at least as tall as the font needs.
    RECT edit{};
    ::GetWindowRect(dialog.edtInput, &edit);
    EXPECT_GE(edit.bottom - edit.top, 20 + 4);
}

TEST_F(InputDialog, EnterAnswersOkWhileEscCancelAndCloseKeepWhatWasTyped) {
    // Cancelled or not, the box keeps what was typed, and the caller gets it back so the
    // next question starts from it.
    std::string text = "keep";
    EXPECT_FALSE(Run(text, [&] {
        Type("x");
        ::PostMessageA(dialog.edtInput, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    EXPECT_EQ(text, "x");
    EXPECT_FALSE(Run(text, [&] {
        Type("y");
        ::SendMessageA(dialog.btnCancel, BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(text, "y");
    EXPECT_FALSE(Run(text, [&] { ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0); }));
    EXPECT_EQ(text, "y");
    EXPECT_TRUE(::IsWindowEnabled(owner));

    EXPECT_TRUE(Run(text, [&] {
        Type("ab");
        ::PostMessageA(dialog.edtInput, WM_KEYDOWN, VK_RETURN, 0);
    }));
    EXPECT_EQ(text, "ab");
    // An empty answer is an answer too.
    EXPECT_TRUE(Run(text, [&] {
        ::SendMessageA(dialog.edtInput, WM_CLEAR, 0, 0);
        ::SendMessageA(dialog.btnOk, BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(text, "");
}

}  // namespace
