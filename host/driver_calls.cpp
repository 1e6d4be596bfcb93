#include "host/driver_calls.h"

namespace marlow::host {

std::vector<unsigned char> GetPrivateDefaults(IPrintOemUI2& plugin, HANDLE hPrinter, std::size_t maxSize) {
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = hPrinter;
    if (FAILED(plugin.DevMode(OEMDM_SIZE, &param)) || param.cbBufSize > maxSize) {
        return {};
    }
    std::vector<unsigned char> section(param.cbBufSize, 0);
    param.pOEMDMOut = section.data();
    if (section.empty() || FAILED(plugin.DevMode(OEMDM_DEFAULT, &param))) {
        return {};
    }
    return section;
}

HRESULT MergePrivateSection(IPrintOemUI2& plugin, HANDLE hPrinter, const unsigned char* stored,
                            std::vector<unsigned char>& section) {
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = hPrinter;
    param.cbBufSize = static_cast<DWORD>(section.size());
    param.pOEMDMIn = const_cast<unsigned char*>(stored);
    param.pOEMDMOut = section.data();
    return plugin.DevMode(OEMDM_MERGE, &param);
}

HRESULT RunCommonUIProp(IPrintOemUI2& plugin, HostSheet& sheet) {
    sheet.PrepareCountingCall();
    const HRESULT counted = plugin.CommonUIProp(sheet.Mode(), &sheet.Param());
    sheet.PrepareFillingCall();
    const HRESULT filled = plugin.CommonUIProp(sheet.Mode(), &sheet.Param());
    return FAILED(counted) ? counted : filled;
}

}  // namespace marlow::host
