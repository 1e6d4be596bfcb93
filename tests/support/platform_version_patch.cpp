#include "platform_version_patch.h"

namespace marlow::test {
namespace {

PlatformVersion g_version;

BOOL WINAPI AnswerPlatformVersion(LPOSVERSIONINFOW info) {
    if (!g_version.bQueryWorks) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->dwMajorVersion = g_version.dwMajor;
    info->dwMinorVersion = g_version.dwMinor;
    info->dwBuildNumber = 2600;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    if (info->dwOSVersionInfoSize >= sizeof(OSVERSIONINFOEXW)) {
        reinterpret_cast<OSVERSIONINFOEXW*>(info)->wServicePackMajor = g_version.wServicePack;
    }
    return TRUE;
}

}  // namespace

PlatformVersionPatch::PlatformVersionPatch(HMODULE plugin, const PlatformVersion& version)
    : patch_((g_version = version, plugin), "kernel32.dll", "GetVersionExW",
             reinterpret_cast<void*>(&AnswerPlatformVersion)) {}

PlatformVersionPatch::~PlatformVersionPatch() = default;

}  // namespace marlow::test
