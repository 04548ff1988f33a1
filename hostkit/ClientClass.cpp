#include "hostkit/ClientClass.h"
#include "hostkit/HostText.h"

namespace hostkit {

std::uint32_t ClientApplicationHandle(IClient* client) {
    return client != nullptr ? client->Vtbl->GetApplicationHandle(client) : 0;
}

TInterfaceRef<IServerDocumentView> ClientCurrentView(IClient* client) {
    TInterfaceRef<IServerDocumentView> view;
    if (client != nullptr) {
        client->Vtbl->GetCurrentView(view.Receive(), client);
    }
    return view;
}

std::uint32_t ClientMainWindowHandle(IClient* client) {
    return client != nullptr ? client->Vtbl->GetMainWindowHandle(client) : 0;
}

void ClientSetStatusText(IClient* client, std::int32_t index, const std::string& text) {
    if (client == nullptr) {
        return;
    }
    TInterfaceRef<IStatusTextItem> item;
    client->Vtbl->SetStatusText(item.Receive(), client, index, text.c_str());
    if (item) {
        item.Get()->Vtbl->Update(item.Get());
    }
}

TInterfaceRef<IServerDocument> ClientOpenDocument(IClient* client, const std::string& kind,
                                                  const std::string& fileName) {
    TInterfaceRef<IServerDocument> document;
    if (client != nullptr) {
        client->Vtbl->OpenDocument(document.Receive(), client, kind.c_str(), fileName.c_str());
    }
    return document;
}

void ClientShowDocument(IClient* client, IServerDocument* document) {
    if (client != nullptr) {
        client->Vtbl->ShowDocument(client, document);
    }
}

std::string ClientServerFileName(IClient* client, const std::string& name) {
    return client != nullptr ? TextFromHost(client->Vtbl->GetServerFileName(client, name.c_str())) : std::string();
}

std::string DocumentFileName(IServerDocument* document) {
    return document != nullptr ? TextFromHost(document->Vtbl->GetFileName(document)) : std::string();
}

std::string DocumentKind(IServerDocument* document) {
    return document != nullptr ? TextFromHost(document->Vtbl->GetKind(document)) : std::string();
}

TInterfaceRef<IServerDocumentView> DocumentView(IServerDocument* document, std::int32_t index) {
    TInterfaceRef<IServerDocumentView> view;
    if (document != nullptr) {
        document->Vtbl->GetView(view.Receive(), document, index);
    }
    return view;
}

TInterfaceRef<IServerDocument> ViewOwnerDocument(IServerDocumentView* view) {
    TInterfaceRef<IServerDocument> document;
    if (view != nullptr) {
        view->Vtbl->GetOwnerDocument(document.Receive(), view);
    }
    return document;
}

} // namespace hostkit
