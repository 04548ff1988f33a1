// A picture of a form at its designed geometry, as SVG: the frame with its caption bar and icons, then every
// control the user could see, drawn from its kind, state, caption and font.
#pragma once

#include <string>

namespace platform::forms {

class Form;

std::string RenderSvg(const Form& form);

} // namespace platform::forms
