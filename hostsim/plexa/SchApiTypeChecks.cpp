// Proof that every export has exactly the type each plug-in calls it with.
#include <type_traits>

#include "capture/SchProcs.h"
#include "hostsim/plexa/SchApi.h"

#define PLEXA_CHECK_ROUTER_TYPE(Entry, Name)                                                                           \
    static_assert(std::is_same_v<decltype(&::Name), wirewright::T##Name>, #Name " differs from the router's type");
WIREWRIGHT_SCHAPI_LOOKUPS(PLEXA_CHECK_ROUTER_TYPE)
#undef PLEXA_CHECK_ROUTER_TYPE

// The capture side types the names it calls; a name it only binds has the placeholder type TSchApiEntry.
#define PLEXA_CHECK_CAPTURE_TYPE(Type, Name)                                                                           \
    static_assert(std::is_same_v<snapscribe::Type, snapscribe::TSchApiEntry> ||                                        \
                      std::is_same_v<decltype(&::Name), snapscribe::Type>,                                             \
                  #Name " differs from the capture side's type");
SNAPSCRIBE_SCH_API_LOOKUPS(PLEXA_CHECK_CAPTURE_TYPE, PLEXA_CHECK_CAPTURE_TYPE)
#undef PLEXA_CHECK_CAPTURE_TYPE
