// The toolkit's application object of this library: its title, its help file and its error handler.
#pragma once

#include <exception>
#include <string>

namespace platform::forms {

struct ApplicationInfo {
    std::string Title = "Tessellon";
    std::string HelpFile;
};

// The application object of this library.
ApplicationInfo& Application();

// Opens topic Context of HelpFile (the application's help file when empty) in the system's help viewer, owned by
// the application window; false when there is no file or the viewer refuses.
bool ShowHelpContext(int context, const std::string& helpFile = {});

// The application's error handler: shows the error's text in an error box titled with the application's title.
void HandleException(const std::exception& error);

} // namespace platform::forms
