#include "driverui/current_option.h"

namespace marlow {
namespace {

// Less than the answer's buffer holds: the answer always keeps a terminating
// zero.
constexpr DWORD kAnswerBytesOffered = 256;
static_assert(kAnswerBytesOffered < kDriverSettingBytes, "room for the terminator");

}  // namespace

HRESULT LookUpCurrentOption(POEMUIOBJ poemuiobj, const PluginContext& context,
                            const WCHAR* featureKeyword, WCHAR (&option)[kOptionKeywordUnits]) {
    char feature[kDriverSettingBytes] = {};
    char answer[kDriverSettingBytes] = {};
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
    const HRESULT hr = context.pDriverUI->DrvGetDriverSetting(
        poemuiobj, feature, answer, kAnswerBytesOffered, &needed, &optionsReturned);
    if (hr != S_OK) {
        return hr;
    }
    if (MultiByteToWideChar(CP_ACP, 0, answer, -1, option, kOptionKeywordUnits) == 0) {
        return E_FAIL;
    }
    return S_OK;
}

}  // namespace marlow
