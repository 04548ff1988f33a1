// The containers of the forms model: panel, group box, notebook with named pages, page control with tab sheets.
#pragma once

#include "platform/forms/Control.h"

#include <string_view>

namespace platform::forms {

class Panel : public Control {
public:
    enum class Bevel { None, Raised, Lowered };
    explicit Panel(std::string name);
    Bevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(Bevel bevel) { bevelOuter_ = bevel; }

private:
    Bevel bevelOuter_ = Bevel::Raised;
};

// A frame with a title (its caption) round a group of controls.
class GroupBox : public Control {
public:
    explicit GroupBox(std::string name);
};

// One page of a notebook; its name is its key.
class NotebookPage : public Control {
public:
    explicit NotebookPage(std::string name);
};

// A stack of pages of which one shows; the pages fill the notebook.
class Notebook : public Control {
public:
    explicit Notebook(std::string name);
    NotebookPage& AddPage(std::string name);
    int PageCount() const { return int(Controls().size()); }
    NotebookPage& Page(int index) const;
    // The index of the page shown, -1 while there is no page.
    int PageIndex() const { return pageIndex_; }
    // An error for an index that names no page.
    void SetPageIndex(int index);
    // The name of the page shown ("" while there is none); setting it names a page.
    std::string_view ActivePage() const;
    void SetActivePage(std::string_view name);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    bool ShowsChild(const Control& child) const override;
    void CheckChild(const Control& child) const override;
    void ChildAdded(Control& child) override;

private:
    int pageIndex_ = -1;
};

// One page of a page control; its caption is the text of its tab.
class TabSheet : public Control {
public:
    explicit TabSheet(std::string name);
};

// Pages behind a row of tabs; the sheets fill the area below the tabs.
class PageControl : public Control {
public:
    static constexpr int TabHeight = 20; // the row of tabs above the sheets
    explicit PageControl(std::string name);
    TabSheet& AddSheet(std::string name, std::string caption);
    int SheetCount() const { return int(Controls().size()); }
    TabSheet& Sheet(int index) const;
    // The sheet shown, nullptr while there is none.
    TabSheet* ActivePage() const { return active_; }
    void SetActivePage(TabSheet& sheet);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    bool ShowsChild(const Control& child) const override { return &child == active_; }
    void CheckChild(const Control& child) const override;
    void ChildAdded(Control& child) override;

private:
    void PlaceSheet(Control& sheet) const;
    TabSheet* active_ = nullptr;
};

} // namespace platform::forms
