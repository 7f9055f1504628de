// Move-only owners of the GDI and USER handles the windows create: fonts,
// bitmaps, icons, image lists and menus (and of the events they wait for and
// the memory they hand the clipboard). Each frees its handle once, with the
// function the platform names for that kind of handle.
#pragma once

#include <utility>

#include "platform/Win32.h"
#include <commctrl.h>

template <typename H, typename Free> class THandle {
public:
    THandle() = default;
    explicit THandle(H handle) : handle_(handle) {}
    ~THandle() { Reset(); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    THandle(THandle&& other) noexcept : handle_(other.Release()) {}
    THandle& operator=(THandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Frees the held handle and takes `handle` (which may be null).
    void Reset(H handle = nullptr) {
        if (handle_ && handle_ != handle)
            Free()(handle_);
        handle_ = handle;
    }
    // Gives up ownership without freeing.
    H Release() { return std::exchange(handle_, nullptr); }

private:
    H handle_ = nullptr;
};

struct TGdiFree {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct TIconFree {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct TImageListFree {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct TMenuFree {
    // A menu that is attached to a window is destroyed with the window; the
    // owner detaches it first (SetMenu(hwnd, nullptr)) before this runs.
    void operator()(HMENU h) const { DestroyMenu(h); }
};

struct TKernelFree {
    void operator()(HANDLE h) const { CloseHandle(h); }
};

struct TGlobalFree {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};

struct TAccelFree {
    void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};

using TEventHandle = THandle<HANDLE, TKernelFree>;
using TFontHandle = THandle<HFONT, TGdiFree>;
using TBitmapHandle = THandle<HBITMAP, TGdiFree>;
using TBrushHandle = THandle<HBRUSH, TGdiFree>;
using TIconHandle = THandle<HICON, TIconFree>;
using TImageListHandle = THandle<HIMAGELIST, TImageListFree>;
using TMenuHandle = THandle<HMENU, TMenuFree>;
using TAccelHandle = THandle<HACCEL, TAccelFree>;
using TGlobalHandle = THandle<HGLOBAL, TGlobalFree>;
