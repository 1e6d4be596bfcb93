// The printer's current setting of one PPD feature, asked of the host.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// The 8-bit texts exchanged with the host's DrvGetDriverSetting (the
// feature's keyword, the option's answer), in bytes; an answer becomes as
// many UTF-16 units at most.
constexpr DWORD kDriverSettingBytes = 260;
constexpr DWORD kOptionKeywordUnits = kDriverSettingBytes;

// featureKeyword: as the model keeps it, with its asterisk. S_OK when the
// buffer received the current option's keyword; otherwise the host's answer
// or E_FAIL.
[[nodiscard]] HRESULT LookUpCurrentOption(POEMUIOBJ poemuiobj, const PluginContext& context,
                            const WCHAR* featureKeyword, WCHAR (&option)[kOptionKeywordUnits]);

}  // namespace marlow
