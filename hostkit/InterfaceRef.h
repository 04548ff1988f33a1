// Counted references to interfaces of the binary boundary.
#pragma once

#include "hostkit/RT_ClientServerInterface.h"

#include <utility>

namespace hostkit {

template <typename Interface> void AddRefInterface(Interface* p) {
    if (p != nullptr) {
        AsInterface(p)->Vtbl->AddRef(AsInterface(p));
    }
}

template <typename Interface> void ReleaseInterface(Interface* p) {
    if (p != nullptr) {
        AsInterface(p)->Vtbl->Release(AsInterface(p));
    }
}

// Holds one counted reference: copying adds one, destruction releases it.
template <typename Interface> class TInterfaceRef {
public:
    TInterfaceRef() = default;

    // Takes a new reference on P.
    explicit TInterfaceRef(Interface* p) : P_(p) { AddRefInterface(P_); }

    // Takes over a reference the caller already owns (for example one a host call stored).
    static TInterfaceRef Adopt(Interface* p) {
        TInterfaceRef ref;
        ref.P_ = p;
        return ref;
    }

    TInterfaceRef(const TInterfaceRef& other) : P_(other.P_) { AddRefInterface(P_); }
    TInterfaceRef(TInterfaceRef&& other) noexcept : P_(std::exchange(other.P_, nullptr)) {}
    TInterfaceRef& operator=(TInterfaceRef other) noexcept {
        std::swap(P_, other.P_);
        return *this;
    }
    ~TInterfaceRef() { ReleaseInterface(P_); }

    Interface* Get() const { return P_; }
    explicit operator bool() const { return P_ != nullptr; }

    // Releases the reference held; the holder is empty afterwards.
    void Reset() { ReleaseInterface(std::exchange(P_, nullptr)); }

    // The address to pass as the result variable of an interface-yielding slot: empties the holder first, so the
    // counted reference the callee stores becomes this holder's.
    Interface** Receive() {
        Reset();
        return &P_;
    }

    // Gives the reference up without releasing it.
    Interface* Detach() { return std::exchange(P_, nullptr); }

    // The interface IID of the same object, as a counted reference, or an empty holder.
    template <typename Other> TInterfaceRef<Other> Query(const TGUID& iid) const {
        TInterfaceRef<Other> result;
        if (P_ != nullptr) {
            void* found = nullptr;
            if (AsInterface(P_)->Vtbl->QueryInterface(AsInterface(P_), &iid, &found) == S_OK) {
                result = TInterfaceRef<Other>::Adopt(static_cast<Other*>(found));
            }
        }
        return result;
    }

private:
    Interface* P_ = nullptr;
};

// Stores Value into the result variable of an interface-yielding slot, as the calling convention asks: the
// variable's old reference is released and a counted reference (or nullptr) is stored.
template <typename Interface> void StoreInterfaceResult(Interface** result, Interface* value) {
    if (result == nullptr) {
        return;
    }
    AddRefInterface(value);
    ReleaseInterface(std::exchange(*result, value));
}

} // namespace hostkit
