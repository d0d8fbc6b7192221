#pragma once
// COM on this thread while the object lives: the accessible objects of the dialogs are handed
// to assistive technology in other processes through it.
#include <objbase.h>

namespace crvUiVista {

class ComApartment {
public:
    ComApartment() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_hr)) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_hr;
};

}  // namespace crvUiVista
