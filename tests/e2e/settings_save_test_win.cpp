// Saving the settings file: on close and on Ctrl+S, the known keys are replaced where they
// stand, missing ones appended, and every other line comes back byte for byte.
#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using SettingsSave = TaboraTest;

// The list font height the program derives from a size in points on this screen.
int FontHeightForPoints(int points) {
    HDC screen = ::GetDC(nullptr);
    const int height = -::MulDiv(points, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    return height;
}

TEST_F(SettingsSave, CloseRewritesKnownKeysInPlaceAndKeepsEveryOtherLine) {
    const std::string longLine = "Note=" + std::string(695, 'x');  // 700 bytes
    const std::string oddLead = "Odd=\x81";                        // lead byte before CR LF
    const std::string notShiftJis = "\x85\x40\xFD\xFE=\x80\xFF\x81\x7F\xA0";
    const std::string fontName = "ＭＳ ゴシック";
    // Line ends of every kind: CR LF, LF, CR, and none at the end. "\n\r" is two line ends,
    // so an empty line stands between Height and Left.
    const std::string original =
        "[tabora]\r\n"
        "width=520\r\n"
        "Height=360\n"
        "\r"
        "Left=30\r\n"
        "Top=20\r"
        "Width=900\r\n"
        "Sort=01\r\n"
        "Mask=*.txt\r\n"
        "DirWidth=180\n"
        "FCharset=128\r\n"
        "FColor=255\r\n"
        "FHeight=-12\r\n"
        "FName=" +
        fontName +
        "\r\n"
        "FSize=9\r\n"
        "BGColor=16777215\r\n" +
        longLine + "\r\n" + oddLead + "\r\n" + notShiftJis +
        "\r\n"
        "Exttxt=notepad.exe";
    WriteSettings(original);

    RemoteApp* app = nullptr;
    HWND main = StartMainWindow(app);
    ASSERT_NE(main, nullptr);
    // The user moves and sizes the window; the new bounds are what is saved.
    ASSERT_TRUE(::SetWindowPos(main, nullptr, 70, 60, 500, 380, SWP_NOZORDER | SWP_NOACTIVATE));
    RECT bounds{};
    ASSERT_TRUE(WaitUntil(
        [&] {
            ::GetWindowRect(main, &bounds);
            return bounds.left == 70 && bounds.top == 60 && bounds.right == 570 &&
                   bounds.bottom == 440;
        },
        3000))
        << "the window did not move";
    EXPECT_EQ(SettingsBytes(), original) << "the file was written before closing";

    ASSERT_TRUE(::PostMessageA(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(app->WaitForExit());
    EXPECT_EQ(app->ExitCode(), 0u);

    const std::vector<std::string> expected = {
        "[tabora]",
        "Width=500",  // the first matching line, spelled as the program spells the key
        "Height=380",
        "",
        "Left=70",
        "Top=60",
        "Width=900",  // a second line of a key is no longer looked at
        "Sort=1",
        "Mask=*.txt",
        "DirWidth=180",
        "FCharset=128",
        "FColor=255",
        "FHeight=" + std::to_string(FontHeightForPoints(9)),
        "FName=" + fontName,
        "FSize=9",
        "BGColor=16777215",
        longLine,
        oddLead,
        notShiftJis,
        "Exttxt=notepad.exe",
        // Defaulted while loading, so they come before the saved keys that were missing.
        "MaxFiles=200",
        "DefaultApp=notepad.exe",
        "Detail=0",
        "HiddenFile=1",
        "Hyojisu=0",
    };
    const std::string saved = SettingsBytes();
    EXPECT_EQ(SplitCrLf(saved), expected);
    std::string expectedBytes;
    for (const std::string& line : expected) expectedBytes += line + "\r\n";
    EXPECT_EQ(saved, expectedBytes) << "every line must end with CR LF, the last one too";
    EXPECT_EQ(FolderEntries(AppFolder).size(), 2u) << "a temporary file was left beside the exe";
}

TEST_F(SettingsSave, CtrlSSavesAtOnceAndCtrlQQuits) {
    // LF line ends and no MaxFiles/DefaultApp: a save is visible in the bytes.
    IniLines settings = ValidSettings().Remove("MaxFiles").Remove("DefaultApp");
    std::string original;
    for (const std::string& line : settings.Lines) original += line + "\n";
    WriteSettings(original);

    RemoteApp* app = nullptr;
    HWND main = StartMainWindow(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(BringToFront(main)) << "cannot bring the window to the front";
    TypeKey('S', {VK_CONTROL});
    HWND box = app->WaitForMessageBox(kStepTimeoutMs);
    ASSERT_NE(box, nullptr) << "Ctrl+S showed no message";
    MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.Text, "iniを保存した");
    EXPECT_EQ(content.Caption, "save");

    // Written before the message is answered.
    const std::string saved = SettingsBytes();
    const std::string tail = "MaxFiles=200\r\nDefaultApp=notepad.exe\r\n";
    EXPECT_TRUE(saved.size() >= tail.size() &&
                saved.compare(saved.size() - tail.size(), tail.size(), tail) == 0)
        << "saved file:\n"
        << saved;
    for (std::size_t at = saved.find('\n'); at != std::string::npos; at = saved.find('\n', at + 1))
        EXPECT_TRUE(at > 0 && saved[at - 1] == '\r') << "bare LF at byte " << at;

    ASSERT_TRUE(PressButton(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return app->MessageBoxes().empty(); })) << "message stays open";
    EXPECT_TRUE(app->IsRunning()) << "the program ended after saving";

    ASSERT_TRUE(BringToFront(main));
    TypeKey('Q', {VK_CONTROL});
    ASSERT_TRUE(app->WaitForExit()) << "Ctrl+Q did not end the program";
    EXPECT_EQ(app->ExitCode(), 0u);
    EXPECT_EQ(SplitCrLf(SettingsBytes()), SplitCrLf(saved)) << "closing saved other values";
}

}  // namespace
}  // namespace e2e
