#include "frame/devmode_request.h"

#include "devmode/private_devmode.h"

namespace marlow {

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
        static_cast<void>(MergePrivateDevmode(pOemDMParam->pOEMDMIn, pOemDMParam->pOEMDMOut));
        return S_OK;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
}

}  // namespace marlow
