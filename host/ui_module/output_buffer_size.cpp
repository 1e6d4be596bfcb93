#include "host/ui_module/output_buffer_size.h"

namespace marlow::host {

bool IsRunningOnWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

DWORD GetOutputBufferSize(const DOCUMENTPROPERTYHEADER& header, DWORD settingsSize) {
    if (header.pdmOut == nullptr) return 0;
    return IsRunningOnWine() ? settingsSize : header.cbOut;
}

}  // namespace marlow::host
