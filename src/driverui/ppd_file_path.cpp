#include "driverui/ppd_file_path.h"

#include "platform/win32_handles.h"

namespace marlow {

bool GetPpdFilePath(HANDLE hHeap, HANDLE hPrinter, WCHAR (&path)[kPpdPathUnits]) {
    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, nullptr, 3, nullptr, 0, &needed);
    if (needed == 0 || hHeap == nullptr) {
        return false;
    }
    const UniqueHeapBlock block = AllocateHeapBlock(hHeap, needed);
    if (!block) {
        return false;
    }
    if (!GetPrinterDriverW(hPrinter, nullptr, 3, static_cast<LPBYTE>(block.Get()), needed, &needed)) {
        return false;
    }
    const auto* info = static_cast<const DRIVER_INFO_3W*>(block.Get());
    if (info->pDataFile == nullptr) {
        return false;
    }
    const size_t length = lstrlenW(info->pDataFile);
    if (length >= kPpdPathUnits) {
        return false;
    }
    CopyMemory(path, info->pDataFile, (length + 1) * sizeof(WCHAR));
    return true;
}

}  // namespace marlow
