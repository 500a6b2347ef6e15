#include "app/settings_file_win.h"

#include <windows.h>

#include "app/sjis.h"
#include "platform/unique_handle_win.h"

std::optional<std::string> ReadFileBytes(const std::string& path) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!::ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

unsigned long WriteFileAtomically(const std::string& path, const std::string& bytes,
                                  const SaveProbe& probe) {
    auto at = [&](SaveStep step, std::size_t done) {
        if (probe.At) probe.At(step, done, bytes.size());
    };
    // A read-only settings file is the user's way of saying "do not write": replacing it
    // would get around that, so refuse like a plain write would.
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    std::string temp = path + ".tmp";
    {
        UniqueFile file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return ::GetLastError();
        at(SaveStep::TemporaryCreated, 0);
        const std::size_t piece = probe.Piece ? probe.Piece : 1;
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD put = 0;
            DWORD want = static_cast<DWORD>(std::min(bytes.size() - done, piece));
            if (!::WriteFile(file.get(), bytes.data() + done, want, &put, nullptr) || put == 0) {
                DWORD error = ::GetLastError();
                file.reset();
                ::DeleteFileA(temp.c_str());
                return error ? error : ERROR_WRITE_FAULT;
            }
            done += put;
            at(SaveStep::Written, done);
        }
        if (!::FlushFileBuffers(file.get())) {
            DWORD error = ::GetLastError();
            file.reset();
            ::DeleteFileA(temp.c_str());
            return error;
        }
    }
    at(SaveStep::BeforeReplace, bytes.size());
    if (!::MoveFileExA(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = ::GetLastError();
        ::DeleteFileA(temp.c_str());
        return error;
    }
    at(SaveStep::Replaced, bytes.size());
    return 0;
}

std::string SystemErrorText(unsigned long code) {
    char* buffer = nullptr;
    DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    UniqueLocal owned(buffer);
    std::string text = n ? std::string(buffer, n) : "ｴﾗｰ " + std::to_string(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

std::string ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::size_t sep = sjis::LastSeparator(path);
    return sep == sjis::npos ? std::string() : path.substr(0, sep + 1);
}
