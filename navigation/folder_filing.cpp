#include "navigation/folder_filing.h"

namespace {
// Big enough that the hand-over costs nothing beside the entries, small enough that the
// filer starts at once.
constexpr std::size_t kBatch = 512;
}  // namespace

FolderFiler::FolderFiler(TTabSlot& slot, bool showHidden, const Collator& collator)
    : slot_(slot), showHidden_(showHidden), collator_(collator) {
    batch_.reserve(kBatch);
}

FolderFiler::~FolderFiler() { Stop(true); }

void FolderFiler::Add(DirEntry&& entry) {
    batch_.push_back(std::move(entry));
    if (batch_.size() >= kBatch) HandOver();
}

void FolderFiler::HandOver() {
    // A folder of fewer names than a batch is filed at the end without a thread.
    if (!filer_.joinable()) filer_ = std::thread([this] { File(); });
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (waiting_.empty())
            waiting_.swap(batch_);
        else
            for (DirEntry& entry : batch_) waiting_.push_back(std::move(entry));
    }
    batch_.clear();
    ready_.notify_one();
}

void FolderFiler::Stop(bool drop) {
    if (!filer_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
        dropped_ = drop;
    }
    ready_.notify_one();
    filer_.join();
}

void FolderFiler::Finish() {
    if (!filer_.joinable()) {
        FileEntries(batch_);
        KeptOrder(slot_) = keys_.Order();
        return;
    }
    HandOver();
    Stop(false);
    if (failure_) std::rethrow_exception(failure_);
}

void FolderFiler::File() {
    try {
        std::vector<DirEntry> taken;
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock, [this] { return closed_ || !waiting_.empty(); });
                if (dropped_) return;
                if (waiting_.empty()) break;  // closed, and everything filed
                taken.swap(waiting_);
            }
            if (!FileEntries(taken)) return;
            taken.clear();
        }
        KeptOrder(slot_) = keys_.Order();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

bool FolderFiler::FileEntries(std::vector<DirEntry>& entries) {
    for (DirEntry& entry : entries) {
        if (dropped_.load(std::memory_order_relaxed)) return false;
        const std::size_t before = slot_.Names.size();
        AddFolderEntry(slot_, std::move(entry), showHidden_);
        if (slot_.Names.size() > before) keys_.Add(slot_, before, slot_.SortKind, collator_);
    }
    return true;
}
