// Text for XML documents (the SVG pictures of forms and sheets).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Text with "&", "<", ">" and '"' written as entities and every control character (codes below 32, which XML text
// cannot hold) as a blank.
std::string EscapeXml(std::string_view text);

} // namespace platform
