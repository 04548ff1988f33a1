#pragma once

namespace hostsim {

class Host;

// Enters the host's processes into its process table: the client's ("Client:SetupEDAServers",
// "Client:OpenDocument", "Client:CloseDocument", "Client:ConfigureEDAEditorTabs"), the schematic editor's selection
// and location requests ("Sch:DeselectAllObjects", "Sch:SelectObjectsInsideArea", "Sch:AskForXYLocation"), the
// 24 placement processes, and "Macro:RunMacro".
void RegisterHostProcesses(Host& host);

} // namespace hostsim
