#include "hostkit/Rt_forms.h"

#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostkit/Rt_Util.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Help.h"
#include "platform/Module.h"
#include "platform/forms/Actions.h"
#include "platform/forms/Application.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"

#include <algorithm>
#include <charconv>

namespace hostkit {

using platform::forms::Control;
using platform::forms::ControlKind;

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) < lower(y);
    });
}

// A decimal number filling the whole text, else 0.
std::int32_t ReadHelpId(std::string_view text) {
    std::int32_t id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    return ec == std::errc() && end == text.data() + text.size() ? id : 0;
}

std::string WithExtension(const std::string& path, const char* extension) {
    const std::size_t dot = path.rfind('.');
    const std::size_t nameStart = path.size() - platform::ExtractFileName(path).size();
    return (dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot)) + extension;
}

// The library's base name the Windows way: "libSnapscribe.so" on posix stands for "Snapscribe.dll".
std::string WindowsBaseName(const std::string& path) {
    const std::string file = platform::ExtractFileName(path);
    const std::string stem = file.substr(0, file.rfind('.'));
    if (stem.rfind("lib", 0) == 0 && platform::SystemModuleName(stem.substr(3) + ".dll") == file)
        return stem.substr(3);
    return stem;
}

THelpFiles DefaultHelpFiles() {
    const std::string library =
        platform::ModuleFileName(platform::ModuleContaining(reinterpret_cast<const void*>(&DefaultHelpFiles)));
    return {platform::JoinPath(HostFolder(), "Help"), WindowsBaseName(library)};
}

THelpFiles& HelpFilesInUse() {
    static THelpFiles files = DefaultHelpFiles();
    return files;
}

// Redirections may lead from one server's help file to another's; a chain this long is a cycle.
constexpr int MaxRedirections = 8;

std::int32_t Lookup(const std::string& key, const std::string& prefix, std::string& helpFile,
                    std::vector<std::string>& topics, THelpIdList& ids, int redirections);

std::int32_t Resolve(const std::string& topic, std::string& helpFile, int redirections) {
    const auto client = GlobalClient();
    if (!client || redirections >= MaxRedirections)
        return 0;
    const std::string server = TextFromHost(client.Get()->Vtbl->GetServerFileName(client.Get(), topic.c_str()));
    if (server.empty())
        return 0;
    helpFile = platform::JoinPath(HelpFiles().Folder, WithExtension(platform::ExtractFileName(server), ".hlp"));
    if (!platform::FileExistsOnDisk(helpFile))
        return 0;
    std::string key = topic;
    std::replace(key.begin(), key.end(), ':', '_');
    THelpIdList ids;
    std::vector<std::string> topics;
    return Lookup(key, {}, helpFile, topics, ids, redirections + 1);
}

std::int32_t Lookup(const std::string& key, const std::string& prefix, std::string& helpFile,
                    std::vector<std::string>& topics, THelpIdList& ids, int redirections) {
    if (ids.Empty())
        LoadHelpIdMap(WithExtension(helpFile, ".id"), ids, topics);
    const auto found = ids.Find(prefix.empty() ? key : "Dlg_" + prefix + "_" + key);
    if (!found)
        return 0;
    if (*found >= 0)
        return *found;
    const std::size_t topic = std::size_t(-(std::int64_t(*found) + 1));
    if (topic >= topics.size())
        return 0;
    return Resolve(topics[topic], helpFile, redirections);
}

bool IsFormOrFrame(const Control& c) {
    return c.Kind() == ControlKind::Form;
}

bool IsHelpContainer(const Control& c) {
    return IsFormOrFrame(c) || c.Kind() == ControlKind::TabSheet || c.Kind() == ControlKind::PageControl;
}

} // namespace

void THelpIdList::Sort() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
}

std::optional<std::int32_t> THelpIdList::Find(std::string_view name) const {
    const std::string wanted(name);
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), wanted,
                                     [](const auto& entry, const auto& n) { return LessIgnoringCase(entry.first, n); });
    if (at == entries_.end() || !SameText(at->first, wanted))
        return std::nullopt;
    return at->second;
}

void LoadHelpIdMap(const std::string& idMapFile, THelpIdList& ids, std::vector<std::string>& topics) {
    std::string text;
    if (!platform::ReadWholeFile(idMapFile, text))
        return;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view rest = line.substr(equals + 1);
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            ids.Add(std::string(line.substr(0, equals)), ReadHelpId(rest));
            continue;
        }
        topics.emplace_back(rest.substr(comma + 1));
        ids.Add(std::string(line.substr(0, equals)), ~std::int32_t(topics.size() - 1));
    }
    if (!ids.Empty())
        ids.Sort();
}

const THelpFiles& HelpFiles() {
    return HelpFilesInUse();
}

void SetHelpFiles(THelpFiles files) {
    HelpFilesInUse() = std::move(files);
}

std::string FormHelpFile() {
    return platform::JoinPath(HelpFiles().Folder, HelpFiles().LibraryName + ".hlp");
}

std::string ControlHelpFile() {
    return platform::JoinPath(HelpFiles().Folder, HelpFiles().LibraryName + "wth.hlp");
}

std::string MasterHelpFile() {
    return platform::JoinPath(HelpFiles().Folder, "ridadedira.zid");
}

std::int32_t LookupHelpId(const std::string& key, const std::string& prefix, std::string& helpFile,
                          std::vector<std::string>& topics, THelpIdList& ids) {
    return Lookup(key, prefix, helpFile, topics, ids, 0);
}

std::int32_t ResolveServerHelp(const std::string& topic, std::string& helpFile) {
    return Resolve(topic, helpFile, 0);
}

// ---- TFormWithHelp ---------------------------------------------------------------------------------------------

TFormWithHelp::TFormWithHelp(std::string name, std::string className) : Form(std::move(name), std::move(className)) {}

std::int32_t TFormWithHelp::GetHelpContext(Control* control, std::string& helpFile) {
    const bool form = control && IsFormOrFrame(*control);
    helpFile = form ? FormHelpFile() : ControlHelpFile();
    if (!control)
        return 0;
    return form ? LookupHelpId("Dlg_" + control->Name(), {}, helpFile, FormHelpTopics, FormHelpIds)
                : LookupHelpId("Dlg_" + control->Name(), {}, helpFile, ControlHelpTopics, ControlHelpIds);
}

Control* TFormWithHelp::FindHelpContainer(Control* parent) {
    if (!parent)
        return nullptr;
    for (const auto& child : parent->Controls()) {
        if (!IsHelpContainer(*child))
            continue;
        std::string file;
        return GetHelpContext(child.get(), file) != 0 ? child.get() : FindHelpContainer(child.get());
    }
    return nullptr;
}

void TFormWithHelp::ShowContextHelp(Control& control) {
    Control* container = &control;
    while (container && !IsHelpContainer(*container))
        container = container->Parent();
    if (!container || container == this)
        container = FindHelpContainer(this);
    if (container && container->Kind() == ControlKind::PageControl)
        container = static_cast<platform::forms::PageControl*>(container)->ActivePage();

    std::string helpFile;
    if (GetHelpContext(container, helpFile) == 0) {
        container = FindHelpContainer(container);
        if (!container)
            container = this;
    }
    std::int32_t id = GetHelpContext(container, helpFile);
    if (id == 0 && container != this)
        id = GetHelpContext(this, helpFile);
    if (id != 0) {
        platform::ShowHelp(GetHostHelpWindowHandle(), helpFile, platform::HelpContext, std::uintptr_t(id));
        return;
    }
    const platform::Rect r = control.ScreenRect();
    ShowHelpPopup(MasterHelpFile(), 1, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

std::int32_t TFormWithHelp::PopupId(const Control& control, const Control& container, const std::string& classKey,
                                    std::string& helpFile) {
    std::int32_t id = LookupHelpId(control.Name(), container.Name(), helpFile, ControlHelpTopics, ControlHelpIds);
    if (id <= 0 && !SameText(container.Name(), classKey))
        id = LookupHelpId(control.Name(), classKey, helpFile, ControlHelpTopics, ControlHelpIds);
    return id;
}

void TFormWithHelp::ShowPopupHelp(Control* window, platform::ScreenPoint mouse) {
    ShowStatusText(-1, "");
    if (!window)
        return;
    std::string helpFile = ControlHelpFile();
    const Control* container = window->Parent();
    while (container && !IsFormOrFrame(*container))
        container = container->Parent();
    if (!container)
        container = this;
    const std::string& className = static_cast<const Form*>(container)->ClassName();
    const std::string classKey = className.empty() ? className : className.substr(1);
    std::int32_t id = PopupId(*window, *container, classKey, helpFile);
    if (id == 0 && window->Parent() && window->Parent() != container)
        id = PopupId(*window->Parent(), *container, classKey, helpFile);
    ShowHelpPopup(helpFile, id, mouse);
}

void TFormWithHelp::ShowHelpPopup(const std::string& file, std::int32_t id, platform::ScreenPoint at) const {
    // The dialog has no window of its own in the forms model: its popups belong to its owner window.
    const platform::WindowHandle owner = Params().WndParent;
    const std::uintptr_t position = std::uint16_t(at.X) | std::uintptr_t(std::uint16_t(at.Y)) << 16;
    platform::ShowHelp(owner, file, platform::HelpSetPopupPos, position);
    platform::ShowHelp(owner, file, platform::HelpContextPopup, std::uintptr_t(std::uint32_t(id)));
}

bool TFormWithHelp::ChildKey(platform::forms::Key key, Control& target) {
    if (key != platform::forms::Key::F1 || !HelpEnabled)
        return Form::ChildKey(key, target);
    F1Pressed = true;
    ShowContextHelp(target);
    return true;
}

void TFormWithHelp::HelpRequest(const platform::forms::HelpInfo& info) {
    if (!HelpEnabled || info.ContextType != platform::forms::HelpInfo::Window) {
        Form::HelpRequest(info);
        return;
    }
    if (!F1Pressed)
        ShowPopupHelp(info.Target, info.Mouse);
    F1Pressed = false;
}

// ---- TServerDialog ---------------------------------------------------------------------------------------------

TServerDialog::TServerDialog(std::string name, std::string className)
    : TFormWithHelp(std::move(name), std::move(className)) {}

unsigned TServerDialog::ThemeBorderIcons() const {
    return platform::forms::biSystemMenu | platform::forms::biHelp;
}

void TServerDialog::CreateParams(platform::forms::WindowParams& params) const {
    TFormWithHelp::CreateParams(params);
    params.ExStyle |= platform::forms::WS_EX_CONTEXTHELP;
    params.WndParent = GetHostWindowHandle();
}

void TServerDialog::Loaded() {
    TFormWithHelp::Loaded();
    ThemeEngine.BrightnessOffset = 0;
    ThemeEngine.HueOffset = 0;
    ThemeEngine.Theme = IsWindowsXPOrLater() ? "XP" : "Luna";
    ThemeEngine.NativeXPLook = IsWindowsXPOrLater();

    using platform::forms::BorderStyle;
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    ThemeForm.Active = true;
    ThemeForm.BorderIcons = ThemeBorderIcons();
    ThemeForm.MagneticDistance = 20;
    ThemeForm.Movable = true;
    ThemeForm.Sizeable = GetBorderStyle() == BorderStyle::Sizeable || GetBorderStyle() == BorderStyle::SizeToolWindow;
    SetBorderIcons(ThemeForm.BorderIcons);
    SetClientSize(clientWidth, clientHeight);

    ApplyDialogStyle(*this);
    CenterOnActiveMonitor(*this);
}

void TServerDialog::ApplyDialogStyle(Control& component) {
    using platform::SystemColor;
    auto greyToDark = [](Control& c) {
        platform::forms::Font font = c.GetFont();
        if (!font.Color.Is(SystemColor::GrayText))
            return;
        font.Color = SystemColor::DarkShadow3D;
        font.Name = "Arial";
        c.SetFont(font);
    };
    switch (component.Kind()) {
    case ControlKind::Label:
        greyToDark(component);
        break;
    case ControlKind::CheckBox:
        component.SetHeight(19);
        greyToDark(component);
        break;
    case ControlKind::Edit: {
        auto& edit = static_cast<platform::forms::Edit&>(component);
        platform::forms::Font font = edit.GetFont();
        if (edit.Parent() && edit.Parent()->Kind() == ControlKind::GroupBox) {
            edit.SetFrameColor(SystemColor::ButtonShadow);
            edit.SetBackground(SystemColor::Window);
            font.Color = SystemColor::WindowText;
        } else {
            font.Color = platform::forms::BlueColor;
        }
        edit.SetFont(font);
        break;
    }
    default:
        break;
    }
    for (const auto& child : component.Controls())
        ApplyDialogStyle(*child);
}

void TServerDialog::ControlInserted(Control& control) {
    ApplyDialogStyle(control);
}

void TServerDialog::DoShow() {
    try {
        TFormWithHelp::DoShow();
    } catch (const platform::forms::ActionError&) {
        throw; // the driver's, not the application's
    } catch (const std::exception& error) {
        platform::forms::HandleException(error);
    }
}

} // namespace hostkit
