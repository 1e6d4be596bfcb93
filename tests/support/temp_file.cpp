#include "temp_file.h"

#include "platform/win32_handles.h"

namespace marlow::test {

std::wstring MakeUniqueName(const wchar_t* prefix) {
    static LONG counter = 0;
    return std::wstring(prefix) + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter));
}

TempFile::TempFile(const std::string& contents, const wchar_t* extension) {
    wchar_t directory[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, directory);
    path_ = std::wstring(directory) + MakeUniqueName(L"marlow") + extension;
    static_cast<void>(Write(contents));  // a test that needs the file checks Path()
}

TempFile::~TempFile() { DeleteFileW(path_.c_str()); }

bool TempFile::Write(const std::string& contents) const {
    const UniqueFileHandle file(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file.Get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    return ok && written == contents.size();
}

}  // namespace marlow::test
