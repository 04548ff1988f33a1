#pragma once

#include "hostkit/RT_ClientServerInterface.h"

namespace hostsim {

// The face a host object turns towards the plug-ins: the interface struct comes first, so that the interface
// pointer a plug-in holds leads back to the object that implements it.
template <typename Interface, typename Object> struct Facet {
    Interface Face;
    Object* Owner;

    Facet(const typename Interface::Table* table, Object* owner) : Face{table}, Owner(owner) {}
    Facet(const Facet&) = delete;
    Facet& operator=(const Facet&) = delete;

    Interface* get() { return &Face; }
    static Object& OwnerOf(Interface* face) { return *reinterpret_cast<Facet*>(face)->Owner; }
    static Object& OwnerOf(hostkit::IInterface* face) { return OwnerOf(reinterpret_cast<Interface*>(face)); }
};

// Runs the body of an interface slot or exported function: no exception crosses the boundary, a failure answers
// Fallback.
template <typename Result, typename Body> Result Guarded(Result fallback, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

template <typename Body> void Guarded(Body body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

inline bool IsGuid(const hostkit::TGUID* iid, const hostkit::TGUID& wanted) {
    return iid != nullptr && *iid == wanted;
}

} // namespace hostsim
