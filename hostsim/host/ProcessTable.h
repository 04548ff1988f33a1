#pragma once

#include "hostsim/host/ParameterText.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace hostsim {

class ServerDocument;

// One run of a host process as a plug-in asked for it.
struct ProcessRequest {
    std::string_view Name;
    const ParameterText& Parameters;
    char* Buffer;            // the caller's parameter buffer; results are written back into it
    int32_t Size;            // its declared capacity in bytes
    ServerDocument* Context; // the open document whose view the process acts on, or none
    std::string Note = {};   // what came of it, for the journal
};

// A process handler answers whether the process ran; it throws ParameterError for unusable arguments and
// HostError when it has nothing to act on.
using ProcessHandler = std::function<bool(ProcessRequest&)>;

// The host's processes by name ("Server:Process"), found without regard to ASCII case.
class ProcessTable {
public:
    // A second handler under a name already present replaces the first.
    void add(std::string name, ProcessHandler handler);
    // The handler of Name, or none.
    const ProcessHandler* find(std::string_view name) const;
    std::vector<std::string> names() const;

private:
    struct Entry {
        std::string Name;
        ProcessHandler Handler;
    };
    std::map<std::string, Entry> entries_; // by the upper-cased name
};

} // namespace hostsim
