#include "frame/devmode_request.h"

#include "devmode/private_devmode.h"

#include <cstdint>

namespace marlow {

namespace {

// The incoming section lies among the driver-extra bytes behind the incoming
// public settings; when it does, those bytes end where the settings end, and
// no more of them can be read whatever the section's header claims. A section
// elsewhere is taken at its header's word.
std::size_t MeasureIncomingSection(const OEMDMPARAM& param) noexcept {
    if (param.pPublicDMIn == nullptr || param.pOEMDMIn == nullptr) {
        return SIZE_MAX;
    }
    const auto settings = reinterpret_cast<std::uintptr_t>(param.pPublicDMIn);
    const std::uintptr_t extra = settings + param.pPublicDMIn->dmSize;
    const std::uintptr_t end = extra + param.pPublicDMIn->dmDriverExtra;
    const auto section = reinterpret_cast<std::uintptr_t>(param.pOEMDMIn);
    if (section < extra || section > end) {
        return SIZE_MAX;
    }
    return end - section;
}

}  // namespace

HRESULT HandleDevModeRequest(DWORD dwMode, POEMDMPARAM pOemDMParam) noexcept {
    if (pOemDMParam == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    switch (dwMode) {
    case OEMDM_SIZE:
        pOemDMParam->cbBufSize = PRIVATE_DEVMODE_SIZE;
        return S_OK;
    case OEMDM_DEFAULT:
        SetPrivateDevmodeDefaults(pOemDMParam->pOEMDMOut);
        return S_OK;
    case OEMDM_CONVERT:
    case OEMDM_MERGE:
        // A missing record means nothing to carry over, not a failure.
        static_cast<void>(MergePrivateDevmode(pOemDMParam->pOEMDMIn, MeasureIncomingSection(*pOemDMParam),
                                              pOemDMParam->pOEMDMOut));
        return S_OK;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
}

}  // namespace marlow
