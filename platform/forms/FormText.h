// A form or file dialog as plain text, the way the console driver shows it: the caption, then every control the
// user can see with its name (the name the actions use), its state and its text.
#pragma once

#include <string>

namespace platform::forms {

class Form;
class FileDialog;

std::string DescribeForm(const Form& form);
std::string DescribeFileDialog(const FileDialog& dialog);

} // namespace platform::forms
