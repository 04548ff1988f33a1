// The host's interfaces as the kit sees them across the binary boundary.
//
// An interface is a pointer to a struct whose first member points to a table of operation pointers. Slots 0-2 of
// every table are the IInterface trio (query-interface, add-reference, release); the interface's own operations
// follow from slot 3. Slots the kit never calls are kept as unnamed placeholders so that every named slot sits at
// its index. Operations are TESSELLON_STDCALL; texts are zero-terminated 8-bit strings.
//
// An operation that yields an interface has no result: it takes (Result**, Self*, declared arguments...) and
// stores a counted reference (or nullptr) into *Result after releasing what *Result held.
#pragma once

#include "platform/Abi.h"

#include <cstddef>
#include <cstdint>

namespace hostkit {

struct TGUID {
    std::uint32_t D1;
    std::uint16_t D2;
    std::uint16_t D3;
    std::uint8_t D4[8];
    friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

using HResult = std::int32_t;
constexpr HResult S_OK = 0;
constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);

constexpr TGUID IID_IInterface = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr TGUID IID_IServerModule = {0xCF7702C4, 0x5044, 0x49E3, {0xBE, 0x46, 0x37, 0xB9, 0xF8, 0xFB, 0x82, 0x03}};
constexpr TGUID IID_ICommandLauncher = {0xB3F5F50A, 0xC728, 0x462B, {0x8C, 0x35, 0x0A, 0xF0, 0x7A, 0xEF, 0xE6, 0xD5}};
constexpr TGUID IID_IProcessControl = {0xBAF46BDA, 0x19A1, 0x4848, {0xBF, 0xAC, 0x2B, 0xEC, 0x07, 0x8C, 0x89, 0x11}};
constexpr TGUID IID_IProcessLauncher = {0x8452C443, 0x703F, 0x4881, {0xB7, 0xAC, 0xC3, 0x35, 0x50, 0x79, 0x4A, 0xA6}};

// A slot the kit never calls.
using TUnusedSlot = void*;

// ---- IInterface ----------------------------------------------------------------------------------------------

struct IInterface;

struct IInterfaceVtbl {
    HResult(TESSELLON_STDCALL* QueryInterface)(IInterface* self, const TGUID* iid, void** result); // 0
    std::int32_t(TESSELLON_STDCALL* AddRef)(IInterface* self);                                     // 1
    std::int32_t(TESSELLON_STDCALL* Release)(IInterface* self);                                    // 2
};

struct IInterface {
    using Table = IInterfaceVtbl;
    const Table* Vtbl;
};

// Any interface viewed as IInterface: every table starts with the trio.
template <typename Interface> IInterface* AsInterface(Interface* p) {
    return reinterpret_cast<IInterface*>(p);
}

// ---- Host side: the client, its documents and views -------------------------------------------------------------

struct IClient;
struct IServerDocument;
struct IServerDocumentView;
struct IServerView;
struct IStatusTextItem;

// IClient: only the slots the kit calls carry names.
struct IClientVtbl {
    IInterfaceVtbl Unknown;    // 0-2
    TUnusedSlot Unused3to8[6]; // 3-8
    // 9: the window that owns help windows.
    std::uint32_t(TESSELLON_STDCALL* GetApplicationHandle)(IClient* self);
    TUnusedSlot Unused10to12[3]; // 10-12
    // 13: the current document view, or nullptr.
    void(TESSELLON_STDCALL* GetCurrentView)(IServerDocumentView** result, IClient* self);
    TUnusedSlot Unused14; // 14
    // 15: the host's main window, owner of the kit's dialogs.
    std::uint32_t(TESSELLON_STDCALL* GetMainWindowHandle)(IClient* self);
    TUnusedSlot Unused16; // 16
    // 17: sets status field Index to Text (-1 with "" clears it); the caller then calls the item's Update (slot 12).
    void(TESSELLON_STDCALL* SetStatusText)(IStatusTextItem** result, IClient* self, std::int32_t index,
                                           const char* text);
    TUnusedSlot Unused18to23[6]; // 18-23
    // 24: the document of Kind ("Sch") stored in FileName, opened when needed; nullptr when it cannot be.
    void(TESSELLON_STDCALL* OpenDocument)(IServerDocument** result, IClient* self, const char* kind,
                                          const char* fileName);
    TUnusedSlot Unused25to30[6]; // 25-30
    // 31: brings Document forward in its editor.
    void(TESSELLON_STDCALL* ShowDocument)(IClient* self, IServerDocument* document);
    TUnusedSlot Unused32to38[7]; // 32-38
    // 39: the file of the server that serves Name (a server or dialog name); its base name with ".hlp" names that
    // server's help file. The text belongs to the host and stays valid until the next call.
    const char*(TESSELLON_STDCALL* GetServerFileName)(IClient* self, const char* name);
};

struct IClient {
    using Table = IClientVtbl;
    const Table* Vtbl;
};

// The object IClient slot 17 yields.
struct IStatusTextItemVtbl {
    IInterfaceVtbl Unknown;     // 0-2
    TUnusedSlot Unused3to11[9]; // 3-11
    // 12: shows the text just set.
    void(TESSELLON_STDCALL* Update)(IStatusTextItem* self);
};

struct IStatusTextItem {
    using Table = IStatusTextItemVtbl;
    const Table* Vtbl;
};

struct IServerDocumentVtbl {
    IInterfaceVtbl Unknown;     // 0-2
    TUnusedSlot Unused3to11[9]; // 3-11
    // 12: the document's file name.
    const char*(TESSELLON_STDCALL* GetFileName)(IServerDocument* self);
    TUnusedSlot Unused13; // 13
    // 14: the document's kind; "Sch" marks a schematic.
    const char*(TESSELLON_STDCALL* GetKind)(IServerDocument* self);
    TUnusedSlot Unused15to18[4]; // 15-18
    // 19: the document's view number Index (0: its first view), or nullptr.
    void(TESSELLON_STDCALL* GetView)(IServerDocumentView** result, IServerDocument* self, std::int32_t index);
};

struct IServerDocument {
    using Table = IServerDocumentVtbl;
    const Table* Vtbl;
};

struct IServerDocumentViewVtbl {
    IInterfaceVtbl Unknown;      // 0-2
    TUnusedSlot Unused3to16[14]; // 3-16
    // 17: the document that owns the view.
    void(TESSELLON_STDCALL* GetOwnerDocument)(IServerDocument** result, IServerDocumentView* self);
};

struct IServerDocumentView {
    using Table = IServerDocumentViewVtbl;
    const Table* Vtbl;
};

// A server view: the kit only counts and hands these out.
struct IServerView {
    using Table = IInterfaceVtbl;
    const Table* Vtbl;
};

// Asked from the client with IID_IProcessLauncher.
struct IProcessLauncher;

struct IProcessLauncherVtbl {
    IInterfaceVtbl Unknown; // 0-2
    TUnusedSlot Unused3;    // 3
    // 4: runs the host process ProcessName ("Server:Process") with the parameter text in Parameters; the host may
    // write result entries back into Parameters, up to Size bytes. Context is the view acted on, or nullptr.
    // Non-zero when the process ran.
    std::int32_t(TESSELLON_STDCALL* LaunchProcess)(IProcessLauncher* self, const char* processName, char* parameters,
                                                   std::int32_t size, IServerDocumentView* context);
};

struct IProcessLauncher {
    using Table = IProcessLauncherVtbl;
    const Table* Vtbl;
};

// ---- Server side: what the plug-in offers the host --------------------------------------------------------------

struct IServerModule;
struct ICommandLauncher;
struct IProcessControl;

struct IServerModuleVtbl {
    IInterfaceVtbl Unknown;                                                                      // 0-2
    void(TESSELLON_STDCALL* ApplicationIdle)(IServerModule* self);                               // 3
    void(TESSELLON_STDCALL* ReceiveNotification)(IServerModule* self, IInterface* notification); // 4
    void(TESSELLON_STDCALL* CreateServerDocument)(IServerDocument** result, IServerModule* self, std::int32_t a,
                                                  std::int32_t b);                                           // 5
    void(TESSELLON_STDCALL* DestroyServerDocument)(IServerModule* self, IServerDocument* document);          // 6
    void(TESSELLON_STDCALL* GetClient)(IClient** result, IServerModule* self);                               // 7
    void(TESSELLON_STDCALL* GetCommandLauncher)(ICommandLauncher** result, IServerModule* self);             // 8
    std::int32_t(TESSELLON_STDCALL* GetDocumentCount)(IServerModule* self);                                  // 9
    void(TESSELLON_STDCALL* GetDocument)(IServerDocument** result, IServerModule* self, std::int32_t index); // 10
    void*(TESSELLON_STDCALL* GetInstanceHandle)(IServerModule* self);                                        // 11
    const char*(TESSELLON_STDCALL* GetModuleName)(IServerModule* self);                                      // 12
    void(TESSELLON_STDCALL* GetProcessControl)(IProcessControl** result, IServerModule* self);               // 13
    std::int32_t(TESSELLON_STDCALL* GetViewCount)(IServerModule* self);                                      // 14
    void(TESSELLON_STDCALL* GetView)(IServerView** result, IServerModule* self, std::int32_t index);         // 15
    std::int32_t(TESSELLON_STDCALL* QueryState)(IServerModule* self);                                        // 16
};

struct IServerModule {
    using Table = IServerModuleVtbl;
    const Table* Vtbl;
};

struct ICommandLauncherVtbl {
    IInterfaceVtbl Unknown; // 0-2
    // 3: runs Command (any letter case) with Parameters; Size is the buffer's capacity (unused); Context is the
    // host's current view. 0 when the command is unknown.
    std::int32_t(TESSELLON_STDCALL* LaunchCommand)(ICommandLauncher* self, const char* command, char* parameters,
                                                   std::int32_t size, IInterface* context);
    // 4: the command's state into the host's variables and text buffers.
    void(TESSELLON_STDCALL* GetCommandState)(ICommandLauncher* self, const char* command, char* parameters,
                                             IInterface* context, std::int32_t* flag1, std::int32_t* flag2,
                                             std::int32_t* flag3, char* text1, char* text2);
};

struct ICommandLauncher {
    using Table = ICommandLauncherVtbl;
    const Table* Vtbl;
};

struct IProcessControlVtbl {
    IInterfaceVtbl Unknown;                                                                               // 0-2
    std::int32_t(TESSELLON_STDCALL* GetProcessDepth)(IProcessControl* self);                              // 3
    void(TESSELLON_STDCALL* PostProcess)(IProcessControl* self, IInterface* context, std::int32_t value); // 4
    void(TESSELLON_STDCALL* PreProcess)(IProcessControl* self, IInterface* context, std::int32_t value);  // 5
    void(TESSELLON_STDCALL* SetProcessDepth)(IProcessControl* self, std::int32_t value);                  // 6
};

struct IProcessControl {
    using Table = IProcessControlVtbl;
    const Table* Vtbl;
};

// ---- Slot positions -----------------------------------------------------------------------------------------------

#define TESSELLON_SLOT(Table, Member, Index)                                                                           \
    static_assert(offsetof(Table, Member) == (Index) * sizeof(void*), #Table "::" #Member " must be slot " #Index)

TESSELLON_SLOT(IClientVtbl, GetApplicationHandle, 9);
TESSELLON_SLOT(IClientVtbl, GetCurrentView, 13);
TESSELLON_SLOT(IClientVtbl, GetMainWindowHandle, 15);
TESSELLON_SLOT(IClientVtbl, SetStatusText, 17);
TESSELLON_SLOT(IClientVtbl, OpenDocument, 24);
TESSELLON_SLOT(IClientVtbl, ShowDocument, 31);
TESSELLON_SLOT(IClientVtbl, GetServerFileName, 39);
TESSELLON_SLOT(IStatusTextItemVtbl, Update, 12);
TESSELLON_SLOT(IServerDocumentVtbl, GetFileName, 12);
TESSELLON_SLOT(IServerDocumentVtbl, GetKind, 14);
TESSELLON_SLOT(IServerDocumentVtbl, GetView, 19);
TESSELLON_SLOT(IServerDocumentViewVtbl, GetOwnerDocument, 17);
TESSELLON_SLOT(IProcessLauncherVtbl, LaunchProcess, 4);
TESSELLON_SLOT(IServerModuleVtbl, ApplicationIdle, 3);
TESSELLON_SLOT(IServerModuleVtbl, QueryState, 16);
TESSELLON_SLOT(ICommandLauncherVtbl, GetCommandState, 4);
TESSELLON_SLOT(IProcessControlVtbl, SetProcessDepth, 6);

#undef TESSELLON_SLOT

} // namespace hostkit
