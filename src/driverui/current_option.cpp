#include "driverui/current_option.h"

namespace marlow {

HRESULT LookUpCurrentOption(POEMUIOBJ poemuiobj, const PluginContext& context,
                            const WCHAR* featureKeyword, WCHAR (&option)[kOptionKeywordUnits]) {
    char feature[260] = {};
    char answer[260] = {};
    // The host knows its features by the 8-bit keyword without the asterisk.
    if (featureKeyword == nullptr || featureKeyword[0] == L'\0' ||
        WideCharToMultiByte(CP_ACP, 0, featureKeyword + 1, -1, feature, sizeof(feature), nullptr,
                            nullptr) == 0) {
        return E_FAIL;
    }
    if (!context.pDriverUI) {
        return E_FAIL;
    }
    DWORD needed = 0;
    DWORD optionsReturned = 0;
    // 256 of the 260 bytes: the answer always keeps a terminating zero.
    const HRESULT hr = context.pDriverUI->DrvGetDriverSetting(poemuiobj, feature, answer, 256,
                                                               &needed, &optionsReturned);
    if (hr != S_OK) {
        return hr;
    }
    if (MultiByteToWideChar(CP_ACP, 0, answer, -1, option, kOptionKeywordUnits) == 0) {
        return E_FAIL;
    }
    return S_OK;
}

}  // namespace marlow
