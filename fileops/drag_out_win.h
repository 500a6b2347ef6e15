// Dragging the selection out to other programs: the two entry points that other programs
// may call as well, exported from the executable under these names.
#pragma once

#include <windows.h>

#include <string>

// Runs a whole OLE drag of a data object whose formats are the low 16 bits of formats[0..count)
// and which asks renderWindow for each block by renderMessage (wParam the format, lParam the
// address of a handle to fill). The drop effect when the drag ended in a drop, else -1.
extern "C" __declspec(dllexport) int OLE_IDropSource_Start(HWND window, UINT renderMessage,
                                                           UINT endMessage, const DWORD* formats,
                                                           int count, DWORD allowedEffects);
// A 20-byte-header file list of the ANSI paths, wide on NT, each path converted whole; null
// when the memory cannot be had.
extern "C" __declspec(dllexport) HGLOBAL CreateDropFileMem(const char* const* paths, int count);

// Posts a 16-byte-header block to window as dropped files; the receiver owns the memory.
// False when nothing was posted.
bool PostDropBlock(HWND window, const std::string& block);

// The render request of the list's own drags.
inline constexpr UINT kRenderDropFiles = WM_USER + 100;
