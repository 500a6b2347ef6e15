#include "fileops/scmake_win.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstring>
#include <initializer_list>

#include "platform/com_ptr_win.h"
#include "platform/text_win.h"

namespace {

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HRESULT CreateLink(ComPtr<IShellLinkA>& link) {
    return ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.PutVoid());
}

// A text of the link read whole: the link calls cut at the buffer they are given, so the
// buffer grows until the text leaves room to spare (a cut may end a byte early, before a
// double-byte character).
template <typename Get>
std::string LinkText(Get get) {
    for (int size : {MAX_PATH, 4096, 70000}) {
        std::string buffer(static_cast<std::size_t>(size), '\0');
        if (FAILED(get(buffer.data(), size))) continue;
        std::size_t length = ::strnlen(buffer.data(), buffer.size());
        buffer.resize(length);
        if (length + 2 < static_cast<std::size_t>(size)) return buffer;
    }
    return {};
}

}  // namespace

int TSCMake::MakeShortcut() {
    if (SCName.empty() || SCDir.empty() || LinkPath.empty()) return -1;
    hotkey_ = SavedHotkey(hotkey_);
    const std::wstring file = WideText(ShortcutFilePath(SCDir, SCName));
    if (Exists(file)) return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);

    // Written in UTF-16, so that a target the code page cannot hold is kept exactly.
    ComPtr<IShellLinkW> link;
    if (HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkW, link.PutVoid());
        FAILED(hr))
        return hr;
    // The results of the setters are not looked at: the save tells whether the link is whole.
    link->SetPath(WideText(LinkPath).c_str());
    link->SetWorkingDirectory(WideText(WorkDir).c_str());
    link->SetShowCmd(showCommand_);
    link->SetHotkey(hotkey_);
    link->SetIconLocation(WideText(IconPath).c_str(), IconNo);
    link->SetArguments(WideText(Argument).c_str());
    ComPtr<IPersistFile> persist;
    if (HRESULT hr = link.As(persist, IID_IPersistFile); FAILED(hr)) return hr;
    return persist->Save(file.c_str(), TRUE);
}

int TSCMake::ReadShortcut(const std::string& path) {
    if (!IsShortcutFile(path)) return -1;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> persist;
    if (FAILED(CreateLink(link)) || FAILED(link.As(persist, IID_IPersistFile)) ||
        FAILED(persist->Load(WideText(path).c_str(), STGM_READ)))
        return -1;

    LinkPath = LinkText(
        [&](char* text, int size) { return link->GetPath(text, size, nullptr, SLGP_UNCPRIORITY); });
    WorkDir = LinkText([&](char* text, int size) { return link->GetWorkingDirectory(text, size); });
    Argument = LinkText([&](char* text, int size) { return link->GetArguments(text, size); });
    int iconNo = 0;
    IconPath =
        LinkText([&](char* text, int size) { return link->GetIconLocation(text, size, &iconNo); });
    IconNo = iconNo;
    int showCommand = 0;
    link->GetShowCmd(&showCommand);
    showCommand_ = showCommand;
    WORD hotkey = 0;
    link->GetHotkey(&hotkey);
    hotkey_ = hotkey;
    SCName = ShortcutNameOf(path);
    SCDir = ShortcutDirOf(path);
    return 0;
}

std::string FreeShortcutName(const std::string& folder, const std::string& base) {
    return UnusedShortcutName(base, [&](const std::string& name) {
        return Exists(WideText(ShortcutFilePath(folder, name)));
    });
}
