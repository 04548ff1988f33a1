// Kit objects that offer interfaces across the binary boundary.
//
// An object offers an interface through a TInterfaceBinding member: a C-layout struct whose first member is the
// interface (its table pointer) and whose second points back to the object. The host only sees the first. Slot
// functions ("thunks") find the object through the binding, call it, and never let an exception out.
#pragma once

#include "hostkit/RT_ClientServerInterface.h"

#include <cstdint>
#include <vector>

namespace hostkit {

// The reference-counted interfaced object: it frees itself when the last reference is released.
class TInterfacedObject {
public:
    TInterfacedObject(const TInterfacedObject&) = delete;
    TInterfacedObject& operator=(const TInterfacedObject&) = delete;
    virtual ~TInterfacedObject() = default;

    virtual std::int32_t AddRef();
    virtual std::int32_t Release();

    // Looks IID up in the object's interface table: S_OK with a counted reference in *Result, or E_NOINTERFACE
    // with nullptr. IID_IInterface answers the first interface of the table.
    HResult QueryInterface(const TGUID& iid, void** result);

    std::int32_t RefCount() const { return RefCount_; }

protected:
    TInterfacedObject() = default;

    // Adds an interface to the object's interface table (done by constructors).
    void AddInterface(const TGUID& iid, IInterface* face);

    // Sets the count without side effects; used while an object is under construction.
    void SetRefCount(std::int32_t count) { RefCount_ = count; }

private:
    struct TInterfaceEntry {
        TGUID Iid;
        IInterface* Face;
    };
    std::vector<TInterfaceEntry> Interfaces_;
    std::int32_t RefCount_ = 0;
};

// An interfaced object whose add-reference and release do nothing and answer 0: its owner frees it.
class TInterfacedObjectNoRef : public TInterfacedObject {
public:
    std::int32_t AddRef() override { return 0; }
    std::int32_t Release() override { return 0; }
};

// One interface of an object.
template <typename Interface> struct TInterfaceBinding {
    Interface Face; // what the host holds: must stay the first member
    TInterfacedObject* Object;

    Interface* Get() { return &Face; }
    static TInterfaceBinding* Of(Interface* face) { return reinterpret_cast<TInterfaceBinding*>(face); }
};

// The object behind an interface the kit handed out, as its concrete class.
template <typename Object, typename Interface> Object* ObjectOf(Interface* face) {
    return static_cast<Object*>(TInterfaceBinding<Interface>::Of(face)->Object);
}

// Runs a slot's body; any exception becomes Failure. Slots never let an exception cross the boundary.
template <typename Result, typename Body> Result Guarded(Result failure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

template <typename Body> void Guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        // A failing slot with no result leaves nothing behind to report.
    }
}

// The IInterface trio of a table of Interface, dispatching to the object's AddRef, Release and QueryInterface.
template <typename Interface> struct TInterfaceTrio {
    static HResult TESSELLON_STDCALL QueryInterface(IInterface* self, const TGUID* iid, void** result) {
        if (result == nullptr) {
            return E_NOINTERFACE;
        }
        *result = nullptr;
        if (iid == nullptr) {
            return E_NOINTERFACE;
        }
        return Guarded(E_NOINTERFACE, [&] { return Target(self)->QueryInterface(*iid, result); });
    }
    static std::int32_t TESSELLON_STDCALL AddRef(IInterface* self) {
        return Guarded(0, [&] { return Target(self)->AddRef(); });
    }
    static std::int32_t TESSELLON_STDCALL Release(IInterface* self) {
        return Guarded(0, [&] { return Target(self)->Release(); });
    }
    static constexpr IInterfaceVtbl Table() { return {&QueryInterface, &AddRef, &Release}; }

private:
    static TInterfacedObject* Target(IInterface* self) {
        return TInterfaceBinding<Interface>::Of(reinterpret_cast<Interface*>(self))->Object;
    }
};

} // namespace hostkit
