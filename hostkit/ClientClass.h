// Typed calls of the host's client, document and view interfaces: each wrapper calls one slot with the calling
// convention of the boundary and hands interfaces back as counted references. A null interface gives the neutral
// answer (0, empty text, empty holder) and calls nothing.
#pragma once

#include "hostkit/InterfaceRef.h"
#include "hostkit/RT_ClientServerInterface.h"

#include <cstdint>
#include <string>

namespace hostkit {

// IClient
std::uint32_t ClientApplicationHandle(IClient* client);                                 // slot 9
TInterfaceRef<IServerDocumentView> ClientCurrentView(IClient* client);                  // slot 13
std::uint32_t ClientMainWindowHandle(IClient* client);                                  // slot 15
void ClientSetStatusText(IClient* client, std::int32_t index, const std::string& text); // slot 17, then item slot 12
TInterfaceRef<IServerDocument> ClientOpenDocument(IClient* client, const std::string& kind,
                                                  const std::string& fileName); // slot 24
void ClientShowDocument(IClient* client, IServerDocument* document);            // slot 31
std::string ClientServerFileName(IClient* client, const std::string& name);     // slot 39

// IServerDocument
std::string DocumentFileName(IServerDocument* document);                                        // slot 12
std::string DocumentKind(IServerDocument* document);                                            // slot 14
TInterfaceRef<IServerDocumentView> DocumentView(IServerDocument* document, std::int32_t index); // slot 19

// IServerDocumentView
TInterfaceRef<IServerDocument> ViewOwnerDocument(IServerDocumentView* view); // slot 17

// The kind text of schematic documents.
constexpr const char* SchematicDocumentKind = "Sch";

} // namespace hostkit
