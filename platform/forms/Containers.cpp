#include "platform/forms/Containers.h"

#include "platform/forms/Names.h"

#include <stdexcept>

namespace platform::forms {

Panel::Panel(std::string name) : Control(ControlKind::Panel, std::move(name)) {}

GroupBox::GroupBox(std::string name) : Control(ControlKind::GroupBox, std::move(name)) {}

NotebookPage::NotebookPage(std::string name) : Control(ControlKind::NotebookPage, std::move(name)) {}

Notebook::Notebook(std::string name) : Control(ControlKind::Notebook, std::move(name)) {}

NotebookPage& Notebook::AddPage(std::string name) {
    return Add<NotebookPage>(std::move(name));
}

NotebookPage& Notebook::Page(int index) const {
    if (index < 0 || index >= PageCount())
        throw std::out_of_range("notebook \"" + Name() + "\" has no page " + std::to_string(index));
    return static_cast<NotebookPage&>(*Controls()[index]);
}

void Notebook::SetPageIndex(int index) {
    Page(index);
    pageIndex_ = index;
}

std::string_view Notebook::ActivePage() const {
    return pageIndex_ < 0 ? std::string_view() : std::string_view(Page(pageIndex_).Name());
}

void Notebook::SetActivePage(std::string_view name) {
    for (int i = 0; i < PageCount(); ++i) {
        if (SameName(Page(i).Name(), name)) {
            pageIndex_ = i;
            return;
        }
    }
    throw std::out_of_range("notebook \"" + Name() + "\" has no page \"" + std::string(name) + "\"");
}

void Notebook::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    for (const auto& page : Controls())
        page->SetBounds(0, 0, width, height);
}

bool Notebook::ShowsChild(const Control& child) const {
    return pageIndex_ >= 0 && Controls()[pageIndex_].get() == &child;
}

void Notebook::CheckChild(const Control& child) const {
    if (child.Kind() != ControlKind::NotebookPage)
        throw std::logic_error("notebook \"" + Name() + "\" holds pages only");
}

void Notebook::ChildAdded(Control& child) {
    child.SetBounds(0, 0, Width(), Height());
    if (pageIndex_ < 0)
        pageIndex_ = 0;
}

TabSheet::TabSheet(std::string name) : Control(ControlKind::TabSheet, std::move(name)) {}

PageControl::PageControl(std::string name) : Control(ControlKind::PageControl, std::move(name)) {}

TabSheet& PageControl::AddSheet(std::string name, std::string caption) {
    TabSheet& sheet = Add<TabSheet>(std::move(name));
    sheet.SetCaption(std::move(caption));
    return sheet;
}

TabSheet& PageControl::Sheet(int index) const {
    if (index < 0 || index >= SheetCount())
        throw std::out_of_range("page control \"" + Name() + "\" has no sheet " + std::to_string(index));
    return static_cast<TabSheet&>(*Controls()[index]);
}

void PageControl::SetActivePage(TabSheet& sheet) {
    if (sheet.Parent() != this)
        throw std::logic_error("tab sheet \"" + sheet.Name() + "\" is not on page control \"" + Name() + "\"");
    active_ = &sheet;
}

void PageControl::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    for (const auto& sheet : Controls())
        PlaceSheet(*sheet);
}

void PageControl::PlaceSheet(Control& sheet) const {
    constexpr int border = 4;
    sheet.SetBounds(border, TabHeight + border, Width() - 2 * border, Height() - TabHeight - 2 * border);
}

void PageControl::CheckChild(const Control& child) const {
    if (child.Kind() != ControlKind::TabSheet)
        throw std::logic_error("page control \"" + Name() + "\" holds tab sheets only");
}

void PageControl::ChildAdded(Control& child) {
    PlaceSheet(child);
    if (!active_)
        active_ = static_cast<TabSheet*>(&child);
}

} // namespace platform::forms
