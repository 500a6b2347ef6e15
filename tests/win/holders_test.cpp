// The COM pointer and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>
#include <objidl.h>

#include <cstring>
#include <utility>

#include "platform/clipboard_win.h"
#include "platform/com_ptr_win.h"
#include "platform/shell_ops_win.h"
#include "platform/unique_handle_win.h"

namespace {

// Counts its references; lives on the stack, so the last Release leaves it at 0.
class Counted final : public IPersist {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPersist)) {
            *out = static_cast<IPersist*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++Refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --Refs; }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override {
        *id = CLSID_NULL;
        return S_OK;
    }
    ULONG Refs = 1;  // its creator's
};

TEST(ComPtrTest, HoldsExactlyOneReferenceEach) {
    Counted object, other;
    {
        ComPtr<IPersist> a;
        a.Attach(&object);  // adopts the creator's reference
        EXPECT_EQ(object.Refs, 1u);
        {
            ComPtr<IPersist> b = a;
            EXPECT_EQ(object.Refs, 2u);
            ComPtr<IPersist> c = std::move(b);
            EXPECT_EQ(object.Refs, 2u);
            EXPECT_FALSE(b);

            ComPtr<IUnknown> unknown;
            EXPECT_EQ(a.As(unknown), S_OK);
            EXPECT_EQ(object.Refs, 3u);
            ComPtr<IDataObject> data;
            EXPECT_EQ(a.As(data), E_NOINTERFACE);
            EXPECT_FALSE(data);
            EXPECT_EQ(object.Refs, 3u);
            // An out parameter: what the holder had is given back first.
            EXPECT_EQ(object.QueryInterface(IID_IUnknown, unknown.PutVoid()), S_OK);
            EXPECT_EQ(object.Refs, 3u);

            IPersist* raw = nullptr;
            EXPECT_EQ(a.CopyTo(&raw), S_OK);
            EXPECT_EQ(object.Refs, 4u);
            ComPtr<IPersist> adopted;
            adopted.Attach(raw);
            ComPtr<IPersist> shared(raw);
            EXPECT_EQ(object.Refs, 5u);

            // Assigning over a holder gives back what it held.
            ComPtr<IPersist> elsewhere;
            elsewhere.Attach(&other);
            elsewhere = a;
            EXPECT_EQ(other.Refs, 0u);
            EXPECT_EQ(object.Refs, 6u);
        }
        EXPECT_EQ(object.Refs, 1u);
        IPersist* detached = a.Detach();
        EXPECT_FALSE(a);
        EXPECT_EQ(object.Refs, 1u);
        a.Attach(detached);
    }
    EXPECT_EQ(object.Refs, 0u);
}

TEST(ClipboardTest, TextRoundTripAndUnterminatedBlocks) {
    const std::string text = "表\\ソ\r\n能";  // trail bytes 0x5C
    ASSERT_TRUE(SetClipboardText(nullptr, text));
    EXPECT_EQ(ClipboardText(nullptr), text);
    {
        Clipboard clipboard(nullptr);
        ASSERT_TRUE(clipboard.IsOpen());
        EXPECT_EQ(clipboard.Text(), text);
        // A block without its terminating NUL: its bytes, and nothing behind them.
        UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
        {
            GlobalLockGuard lock(block.get());
            std::memcpy(lock.Data(), "wxyz", 4);
        }
        ::EmptyClipboard();
        ASSERT_TRUE(::SetClipboardData(CF_TEXT, block.get()));
        block.release();
        // (Wine keeps a copy that it ends with a NUL in its last byte.)
        const std::string got = clipboard.Text();
        EXPECT_TRUE(got == "wxyz" || (RunningUnderWine() && got == "wxy")) << got;
        ::EmptyClipboard();
        EXPECT_EQ(clipboard.Text(), "");
    }
    EXPECT_EQ(ClipboardText(nullptr), "");
}

}  // namespace
