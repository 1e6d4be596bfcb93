#include "frame/devmode_request.h"

#include "frame/private_devmode.h"

namespace marlow {

HRESULT HandleDevModeRequest(DWORD dwMode, POEMDMPARAM pOemDMParam) {
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
        MergePrivateDevmode(pOemDMParam->pOEMDMIn, pOemDMParam->pOEMDMOut);
        return S_OK;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
}

}  // namespace marlow
