// The printer's current setting of one PPD feature, asked of the host.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

constexpr DWORD kOptionKeywordUnits = 260;

// featureKeyword: as the model keeps it, with its asterisk. S_OK when the
// buffer received the current option's keyword; otherwise the host's answer
// or E_FAIL.
[[nodiscard]] HRESULT LookUpCurrentOption(POEMUIOBJ poemuiobj, const PluginContext& context,
                            const WCHAR* featureKeyword, WCHAR (&option)[kOptionKeywordUnits]);

}  // namespace marlow
