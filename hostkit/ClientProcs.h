// The host client API: the client functions exported by the host program, bound by name at load, the few wrappers
// the kit calls, the process-wide host client and the running of host processes.
#pragma once

#include "hostkit/InterfaceRef.h"
#include "hostkit/RT_ClientServerInterface.h"
#include "platform/Abi.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace hostkit {

// ---- Host function types ---------------------------------------------------------------------------------------

// Fills *Client with a counted reference to the host's client.
using TClientAPI_GetClientInterface = void(TESSELLON_STDCALL*)(IClient** client);
// Non-zero (one byte) when the file exists.
using TClientAPI_ExistSpecific = std::uint8_t(TESSELLON_STDCALL*)(const char* fileName);
// The result texts go into a 4,096-byte buffer of the caller.
using TClientAPI_ExtractWholeFileNameFromPath = void(TESSELLON_STDCALL*)(const char* path, char* result);
using TClientAPI_ForceFileNameExtension = void(TESSELLON_STDCALL*)(const char* fileName, const char* extension,
                                                                   char* result);
using TClientAPI_ConvertFileNameToExeFileName = void(TESSELLON_STDCALL*)(const char* fileName, char* result);
// Bound for the kit's other users and never called here: the type is opaque.
using TClientApiEntry = void(TESSELLON_STDCALL*)();

// Every bound name in binding order: X(Type, Name). Names are matched exactly, both prefix spellings included.
#define TESSELLON_CLIENT_API(X)                                                                                        \
    X(TClientApiEntry, ClientApi_GetCurrentUserID)                                                                     \
    X(TClientApiEntry, ClientApi_QueryEntity)                                                                          \
    X(TClientApiEntry, ClientApi_QueryDocumentEntity)                                                                  \
    X(TClientApiEntry, ClientApi_GetDocumentEntityAbsoluteAddress)                                                     \
    X(TClientApiEntry, ClientApi_GetDocumentOwnerBinder)                                                               \
    X(TClientApiEntry, ClientApi_GetEditorKindByAddress)                                                               \
    X(TClientApiEntry, ClientApi_CreateIterator)                                                                       \
    X(TClientApiEntry, ClientApi_DestroyIterator)                                                                      \
    X(TClientApiEntry, ClientApi_GetFirstEntity)                                                                       \
    X(TClientApiEntry, ClientApi_GetNextEntity)                                                                        \
    X(TClientApiEntry, ClientApi_OpenDocumentEntity)                                                                   \
    X(TClientApiEntry, ClientApi_SetAsCurrentDocument)                                                                 \
    X(TClientApiEntry, ClientApi_RunDocumentPropertiesDialog)                                                          \
    X(TClientApiEntry, ClientApi_RepopulateDocumentEntity)                                                             \
    X(TClientApiEntry, ClientApi_FindChildDocumentInBinder)                                                            \
    X(TClientApiEntry, ClientApi_FindDocumentByNameInSameFolder)                                                       \
    X(TClientApiEntry, ClientApi_FindDocumentInstanceAlreadyOpen)                                                      \
    X(TClientApiEntry, ClientApi_FindBinderFromAnyDataHandle)                                                          \
    X(TClientApiEntry, ClientApi_FindEntityByStorageName)                                                              \
    X(TClientApiEntry, ClientApi_FindEntityByDataHandle)                                                               \
    X(TClientApiEntry, ClientApi_PerformBackupSaveForDocumentEntity)                                                   \
    X(TClientApiEntry, ClientApi_SendCommandToModule)                                                                  \
    X(TClientApiEntry, ClientApi_PerformSaveForDocumentEntity)                                                         \
    X(TClientApiEntry, ClientApi_PerformLoadForDocumentEntity)                                                         \
    X(TClientApiEntry, ClientAPI_CreateDocumentLoader)                                                                 \
    X(TClientApiEntry, ClientApi_DestroyDocumentLoader)                                                                \
    X(TClientApiEntry, ClientApi_DestroyDocumentLoaderEx)                                                              \
    X(TClientApiEntry, ClientApi_LoadDocument)                                                                         \
    X(TClientApiEntry, ClientApi_ShowDocument)                                                                         \
    X(TClientApiEntry, ClientAPI_AddKeyStrokeDontLaunch)                                                               \
    X(TClientApiEntry, ClientAPI_LaunchCurrentHotkey)                                                                  \
    X(TClientApiEntry, ClientAPI_AddKeyStrokeAndLaunch)                                                                \
    X(TClientApiEntry, ClientAPI_CheckProcessParameters)                                                               \
    X(TClientAPI_GetClientInterface, ClientAPI_GetClientInterface)                                                     \
    X(TClientApiEntry, ClientAPI_GetPrefAnimatedPanels)                                                                \
    X(TClientApiEntry, ClientAPI_GetPrefSaveToolsLayout)                                                               \
    X(TClientApiEntry, ClientAPI_GetPrefAutoTransparency)                                                              \
    X(TClientApiEntry, ClientAPI_GetPrefDynamicAutoTransparency)                                                       \
    X(TClientApiEntry, ClientAPI_GetPrefSuppressStartupScreen)                                                         \
    X(TClientApiEntry, ClientAPI_GetPrefSuppressProductStartup)                                                        \
    X(TClientApiEntry, ClientAPI_GetPrefTransparencyHighest)                                                           \
    X(TClientApiEntry, ClientAPI_GetPrefTransparencyLowest)                                                            \
    X(TClientApiEntry, ClientAPI_GetPrefTransparencyForce)                                                             \
    X(TClientApiEntry, ClientAPI_SetPrefAnimatedPanels)                                                                \
    X(TClientApiEntry, ClientAPI_SetPrefSaveToolsLayout)                                                               \
    X(TClientApiEntry, ClientAPI_SetPrefAutoTransparency)                                                              \
    X(TClientApiEntry, ClientAPI_SetPrefDynamicAutoTransparency)                                                       \
    X(TClientApiEntry, ClientAPI_SetPrefSuppressStartupScreen)                                                         \
    X(TClientApiEntry, ClientAPI_SetPrefSuppressProductStartup)                                                        \
    X(TClientApiEntry, ClientAPI_SetPrefTransparencyHighest)                                                           \
    X(TClientApiEntry, ClientAPI_SetPrefTransparencyLowest)                                                            \
    X(TClientApiEntry, ClientAPI_SetPrefTransparencyForce)                                                             \
    X(TClientApiEntry, ClientAPI_GetPrefPopupDelay)                                                                    \
    X(TClientApiEntry, ClientAPI_SetPrefPopupDelay)                                                                    \
    X(TClientApiEntry, ClientAPI_GetPrefHideDelay)                                                                     \
    X(TClientApiEntry, ClientAPI_SetPrefHideDelay)                                                                     \
    X(TClientApiEntry, ClientAPI_GetPrefAnimationSpeed)                                                                \
    X(TClientApiEntry, ClientAPI_SetPrefAnimationSpeed)                                                                \
    X(TClientApiEntry, ClientAPI_ShowProductStartup)                                                                   \
    X(TClientApiEntry, ClientAPI_HideProductStartup)                                                                   \
    X(TClientApiEntry, ClientAPI_ConvertFileNameToWildCard)                                                            \
    X(TClientApiEntry, ClientAPI_EraseFile)                                                                            \
    X(TClientAPI_ExistSpecific, ClientAPI_ExistSpecific)                                                               \
    X(TClientApiEntry, ClientAPI_ExtractFileDirFromPath)                                                               \
    X(TClientApiEntry, ClientAPI_ExtractFileExtFromPath)                                                               \
    X(TClientApiEntry, ClientAPI_ExtractFileNameFromPath)                                                              \
    X(TClientAPI_ExtractWholeFileNameFromPath, ClientAPI_ExtractWholeFileNameFromPath)                                 \
    X(TClientApiEntry, ClientAPI_FilePathInShort)                                                                      \
    X(TClientApiEntry, ClientAPI_GetPCharFromFile)                                                                     \
    X(TClientAPI_ForceFileNameExtension, ClientAPI_ForceFileNameExtension)                                             \
    X(TClientApiEntry, ClientAPI_GetFileSize)                                                                          \
    X(TClientApiEntry, ClientAPI_IsFileReadOnly)                                                                       \
    X(TClientApiEntry, ClientAPI_MakeNewBackUp)                                                                        \
    X(TClientApiEntry, ClientAPI_RemoveModuleFromMemory)                                                               \
    X(TClientApiEntry, ClientAPI_SameFileName)                                                                         \
    X(TClientApiEntry, ClientAPI_SetFileFromPChar)                                                                     \
    X(TClientAPI_ConvertFileNameToExeFileName, ClientAPI_ConvertFileNameToExeFileName)

// The client function table: one entry per bound name, nullptr for names the host does not export. A test fills
// it with its own functions.
struct TClientApiTable {
#define TESSELLON_CLIENT_API_ENTRY(Type, Name) Type Name = nullptr;
    TESSELLON_CLIENT_API(TESSELLON_CLIENT_API_ENTRY)
#undef TESSELLON_CLIENT_API_ENTRY
};

// This library's table.
extern TClientApiTable ClientApi;

// Binds every name from the host program (the process's main program) and fetches the host client into
// GlobalClient. Safe to run more than once; each run binds the same names afresh.
void BindClientApi();

// ---- The process-wide host client ------------------------------------------------------------------------------

// A counted copy of the host client, or an empty holder.
TInterfaceRef<IClient> GlobalClient();

// Replaces the host client; the kit takes no reference (the host keeps its client alive longer than any user).
void SetGlobalClient(IClient* client);

// ---- Wrappers of the host functions the kit calls ----------------------------------------------------------------

// Stores the host client into *Client (a counted reference); *Client is left as it was when the function is
// missing.
void GetClientInterface(IClient** client);

// True when the host says FileName exists; false when the function is missing.
bool ClientFileExists(const std::string& fileName);

// The host's answers, read from a 4,096-byte buffer; empty when the function is missing.
std::string ExtractWholeFileName(const std::string& path);
std::string ForceFileNameExtension(const std::string& fileName, const std::string& extension);
std::string ConvertFileNameToExeFileName(const std::string& fileName);

// ---- Host processes ------------------------------------------------------------------------------------------------

// Raised by RunHostProcess when the client offers no process launcher.
class EIntfCastError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the host process ProcessName ("Server:Process", e.g. "Sch:AskForXYLocation") with the parameter text in
// Parameters, a writable buffer of at least Size bytes into which the host may write result entries (Size 0 goes
// with a constant empty text). Context is the view acted on, or nullptr. True when the host reports the process
// as run; false when it reports failure or there is no client (nothing is run then and the buffer is untouched).
// Throws EIntfCastError when the client has no process launcher.
bool RunHostProcess(const char* processName, char* parameters, std::int32_t size, IServerDocumentView* context);

// The host's main window (owner of the kit's dialogs), or 0 without a client.
std::uint32_t GetHostWindowHandle();

// The window that owns help windows, or 0 without a client.
std::uint32_t GetHostHelpWindowHandle();

// Shows Text in the host's status field Index; index -1 with an empty text clears it. Nothing without a client.
void ShowStatusText(std::int32_t index, const std::string& text);

} // namespace hostkit
