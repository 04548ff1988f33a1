#include "platform/forms/Application.h"

#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/forms/MessageDialog.h"

namespace platform::forms {

ApplicationInfo& Application() {
    static ApplicationInfo application;
    return application;
}

bool ShowHelpContext(int context, const std::string& helpFile) {
    const std::string& file = helpFile.empty() ? Application().HelpFile : helpFile;
    if (file.empty())
        return false;
    return platform::ShowHelp(platform::ApplicationWindow(), file, platform::HelpContext, std::uintptr_t(context));
}

void HandleException(const std::exception& error) {
    ShowMessageDialog(error.what(), MessageKind::Error, {MessageButton::OK}, 0, Application().Title);
}

} // namespace platform::forms
