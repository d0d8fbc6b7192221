#include "BrowserEventArgs.h"

#include <oleauto.h>

namespace {

// The variant a by-reference variant points at; the argument itself otherwise.
const VARIANT* Dereferenced(const VARIANT* pArg) {
    if (pArg && pArg->vt == (VT_BYREF | VT_VARIANT)) return pArg->pvarVal;
    return pArg;
}

}  // namespace

const VARIANT* EventArgument(const DISPPARAMS& params, UINT nIndex) {
    if (!params.rgvarg || nIndex >= params.cArgs) return nullptr;
    return &params.rgvarg[params.cArgs - 1 - nIndex];
}

std::wstring VariantText(const VARIANT* pArg) {
    const VARIANT* pValue = Dereferenced(pArg);
    if (!pValue) return {};
    if (pValue->vt == VT_BSTR && pValue->bstrVal) return std::wstring(pValue->bstrVal, ::SysStringLen(pValue->bstrVal));
    if (pValue->vt == (VT_BYREF | VT_BSTR) && pValue->pbstrVal && *pValue->pbstrVal) {
        return std::wstring(*pValue->pbstrVal, ::SysStringLen(*pValue->pbstrVal));
    }
    return {};
}

long VariantLong(const VARIANT* pArg) {
    const VARIANT* pValue = Dereferenced(pArg);
    if (!pValue) return 0;
    if (pValue->vt == VT_I4) return pValue->lVal;
    if (pValue->vt == (VT_BYREF | VT_I4) && pValue->plVal) return *pValue->plVal;
    return 0;
}

IDispatch* VariantDispatch(const VARIANT* pArg) {
    const VARIANT* pValue = Dereferenced(pArg);
    if (!pValue) return nullptr;
    if (pValue->vt == VT_DISPATCH) return pValue->pdispVal;
    if (pValue->vt == (VT_BYREF | VT_DISPATCH) && pValue->ppdispVal) return *pValue->ppdispVal;
    return nullptr;
}

std::vector<BYTE> PostDataBytes(const VARIANT* pArg) {
    if (!pArg || pArg->vt != (VT_BYREF | VT_VARIANT) || !pArg->pvarVal) return {};
    const VARIANT* pData = pArg->pvarVal;
    if (pData->vt == VT_EMPTY || !(pData->vt & VT_ARRAY)) return {};
    SAFEARRAY* pArray = (pData->vt & VT_BYREF) ? (pData->pparray ? *pData->pparray : nullptr) : pData->parray;
    LONG lower = 0;
    LONG upper = -1;
    if (!pArray || FAILED(::SafeArrayGetLBound(pArray, 1, &lower)) || FAILED(::SafeArrayGetUBound(pArray, 1, &upper)) ||
        upper < lower) {
        return {};
    }
    void* pBytes = nullptr;
    if (FAILED(::SafeArrayAccessData(pArray, &pBytes))) return {};
    const auto* pFirst = static_cast<const BYTE*>(pBytes);
    std::vector<BYTE> bytes(pFirst, pFirst + (upper - lower + 1));
    ::SafeArrayUnaccessData(pArray);
    return bytes;
}

void SetCancelFlag(const VARIANT* pArg, bool bCancel) {
    if (pArg && pArg->vt == (VT_BYREF | VT_BOOL) && pArg->pboolVal) *pArg->pboolVal = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
}
