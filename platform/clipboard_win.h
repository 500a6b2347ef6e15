// The clipboard, open for as long as a Clipboard lives; its text is Shift-JIS (CF_TEXT), or
// UTF-16 for a text that names a file the code page cannot hold.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class Clipboard {
public:
    // owner may be null; IsOpen() tells whether another program held the clipboard.
    explicit Clipboard(HWND owner);
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    bool IsOpen() const { return open_; }
    // The text (from CF_UNICODETEXT where there is one); empty when there is none. Never read past
    // the block, even when its text is not terminated.
    std::string Text() const;
    // Replaces everything on the clipboard with text; false when nothing was put there.
    bool SetText(const std::string& text);
    // Replaces everything on the clipboard with these blocks, one a format; false when not
    // every one was put there.
    bool SetBlocks(const std::vector<std::pair<UINT, std::string>>& blocks);
    // The clipboard's global block of format, valid while the clipboard is open; null when it
    // holds none.
    HGLOBAL Block(UINT format) const;
    bool Empty();

private:
    bool open_;
};

// A movable global block holding bytes; null when out of memory.
HGLOBAL GlobalBlock(const std::string& bytes, UINT flags = GMEM_MOVEABLE);

// One opening each: empty / false when the clipboard could not be opened.
std::string ClipboardText(HWND owner);
bool SetClipboardText(HWND owner, const std::string& text);
