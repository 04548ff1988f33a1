// How the script generator tells the user about a failed generation: the kit's information and error boxes, or
// whatever a test records in their place.
#pragma once

#include <string>

namespace snapscribe {

class TRecorderMessages {
public:
    virtual ~TRecorderMessages() = default;
    // The information box ("Tessellon Information").
    virtual void ShowInformation(const std::string& text) = 0;
    // The error box ("Tessellon Error").
    virtual void ShowError(const std::string& text) = 0;
};

} // namespace snapscribe
