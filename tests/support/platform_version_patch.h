// Makes the plug-in see another platform version: its import of
// GetVersionExW answers the given version (or fails) while the patch lives.
#pragma once

#include "host/import_patch.h"

namespace marlow::test {

struct PlatformVersion {
    const char* name;
    BOOL bQueryWorks;
    DWORD dwMajor;
    DWORD dwMinor;
    WORD wServicePack;
};

constexpr PlatformVersion kWindows7 = {"win7", TRUE, 6, 1, 1};
constexpr PlatformVersion kWindowsXpSp2 = {"xp_sp2", TRUE, 5, 1, 2};

class PlatformVersionPatch {
public:
    PlatformVersionPatch(HMODULE plugin, const PlatformVersion& version);
    ~PlatformVersionPatch();
    PlatformVersionPatch(const PlatformVersionPatch&) = delete;
    PlatformVersionPatch& operator=(const PlatformVersionPatch&) = delete;

    bool IsActive() const { return patch_.IsActive(); }

private:
    host::ImportPatch patch_;
};

}  // namespace marlow::test
