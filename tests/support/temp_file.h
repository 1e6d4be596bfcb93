// A file in the temporary directory with the given bytes, deleted when the
// object goes.
#pragma once

#include "platform/windows_sdk.h"

#include <string>

namespace marlow::test {

class TempFile {
public:
    explicit TempFile(const std::string& contents, const wchar_t* extension = L".ppd");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::wstring& Path() const { return path_; }
    // Replaces the contents.
    [[nodiscard]] bool Write(const std::string& contents) const;

private:
    std::wstring path_;
};

// A name no other test of this process uses ("marlow test 3"...).
std::wstring MakeUniqueName(const wchar_t* prefix);

}  // namespace marlow::test
