#include "hostkit/InterfacedObject.h"

namespace hostkit {

std::int32_t TInterfacedObject::AddRef() {
    return ++RefCount_;
}

std::int32_t TInterfacedObject::Release() {
    const std::int32_t count = --RefCount_;
    if (count == 0) {
        delete this;
    }
    return count;
}

HResult TInterfacedObject::QueryInterface(const TGUID& iid, void** result) {
    *result = nullptr;
    for (const TInterfaceEntry& entry : Interfaces_) {
        if (entry.Iid == iid || (iid == IID_IInterface && &entry == &Interfaces_.front())) {
            entry.Face->Vtbl->AddRef(entry.Face);
            *result = entry.Face;
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

void TInterfacedObject::AddInterface(const TGUID& iid, IInterface* face) {
    Interfaces_.push_back({iid, face});
}

} // namespace hostkit
