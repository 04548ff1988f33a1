// The client functions the host program exports by name. The plug-ins look them up in the main program and call
// five of them; the others answer 0.
#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostsim/host/Facet.h"
#include "hostsim/host/Host.h"

#include <filesystem>
#include <type_traits>

using hostkit::HostResultBufferSize;

namespace {

namespace fs = std::filesystem;

// The host's result texts go into the caller's 4,096-byte buffer.
void Answer(char* result, const std::string& text) {
    hostkit::CopyToHostBuffer(result, HostResultBufferSize, text);
}

} // namespace

extern "C" {

// The client is the host's: the reference needs no release, so a value the variable held is simply replaced.
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_GetClientInterface(hostkit::IClient** client) {
    hostsim::Guarded([&] {
        hostsim::Host* host = hostsim::Host::Current();
        if (client != nullptr && host != nullptr)
            *client = host->client();
    });
}

TESSELLON_EXPORT uint8_t TESSELLON_STDCALL ClientAPI_ExistSpecific(const char* fileName) {
    return hostsim::Guarded(uint8_t{0}, [&] {
        std::error_code ignored;
        return uint8_t{fileName != nullptr && fs::is_regular_file(fileName, ignored)};
    });
}

TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_ExtractWholeFileNameFromPath(const char* path, char* result) {
    hostsim::Guarded([&] { Answer(result, fs::path(hostkit::TextFromHost(path)).filename().string()); });
}

// The extension is given without its dot ("BAS"); an empty one removes the file's extension.
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_ForceFileNameExtension(const char* fileName, const char* extension,
                                                                         char* result) {
    hostsim::Guarded([&] {
        fs::path name = hostkit::TextFromHost(fileName);
        if (!name.has_filename())
            return Answer(result, name.string());
        Answer(result, name.replace_extension(hostkit::TextFromHost(extension)).string());
    });
}

// The file of that name in the host program's folder.
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_ConvertFileNameToExeFileName(const char* fileName, char* result) {
    hostsim::Guarded([&] {
        hostsim::Host* host = hostsim::Host::Current();
        const fs::path name = fs::path(hostkit::TextFromHost(fileName)).filename();
        Answer(result, host != nullptr && !name.empty() ? (host->programFolder() / name).string() : std::string());
    });
}

// Every other client name: exported so that binding finds it, answering 0.
#define TESSELLON_NEUTRAL_TClientApiEntry(Name)                                                                        \
    TESSELLON_EXPORT int32_t TESSELLON_STDCALL Name() {                                                                \
        return 0;                                                                                                      \
    }
#define TESSELLON_NEUTRAL_TClientAPI_GetClientInterface(Name)
#define TESSELLON_NEUTRAL_TClientAPI_ExistSpecific(Name)
#define TESSELLON_NEUTRAL_TClientAPI_ExtractWholeFileNameFromPath(Name)
#define TESSELLON_NEUTRAL_TClientAPI_ForceFileNameExtension(Name)
#define TESSELLON_NEUTRAL_TClientAPI_ConvertFileNameToExeFileName(Name)
#define TESSELLON_NEUTRAL(Type, Name) TESSELLON_NEUTRAL_##Type(Name)
TESSELLON_CLIENT_API(TESSELLON_NEUTRAL)

} // extern "C"

// The functions the plug-ins call have exactly the types they are called with.
static_assert(std::is_same_v<decltype(&ClientAPI_GetClientInterface), hostkit::TClientAPI_GetClientInterface>);
static_assert(std::is_same_v<decltype(&ClientAPI_ExistSpecific), hostkit::TClientAPI_ExistSpecific>);
static_assert(std::is_same_v<decltype(&ClientAPI_ExtractWholeFileNameFromPath),
                             hostkit::TClientAPI_ExtractWholeFileNameFromPath>);
static_assert(std::is_same_v<decltype(&ClientAPI_ForceFileNameExtension), hostkit::TClientAPI_ForceFileNameExtension>);
static_assert(std::is_same_v<decltype(&ClientAPI_ConvertFileNameToExeFileName),
                             hostkit::TClientAPI_ConvertFileNameToExeFileName>);
