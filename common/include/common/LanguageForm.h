#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvik::common {

/// The kinds of controls whose captions the text service sets. Anything else is `Other` and left alone.
enum class ControlKind {
    Label,
    CommandButton,
    Frame,
    CheckBox,
    OptionButton,
    MenuItem,
    /// Tabs are objects with their own index, counted from 1.
    TabStrip,
    /// Tabs are addressed by position, counted from 0.
    TabControl,
    Grid,
    ListBar,
    Toolbar,
    Other
};

/// One named control of a form, as the text service sees it. Owned by the form that hands it out.
class FormControl {
public:
    virtual ~FormControl() = default;
    [[nodiscard]] virtual ControlKind kind() const = 0;
    [[nodiscard]] virtual std::string name() const = 0;
    /// The control's index in its indexed group of controls; none when it belongs to no group.
    [[nodiscard]] virtual std::optional<std::int32_t> index() const = 0;
    /// Width in twips, written by setFormToDB.
    [[nodiscard]] virtual std::int32_t width() const = 0;
};

/// Label, command button, frame, check box, option button or menu item.
class CaptionControl : public FormControl {
public:
    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

/// Tab strip or tab control; tabs are reached by position from 0 in both.
class TabsControl : public FormControl {
public:
    [[nodiscard]] virtual std::int32_t tabCount() const = 0;
    [[nodiscard]] virtual std::string tabCaption(std::int32_t position) const = 0;
    virtual void setTabCaption(std::int32_t position, const std::string& caption) = 0;
};

/// A grid: its heading texts are the cells of the fixed rows.
class GridControl : public FormControl {
public:
    [[nodiscard]] virtual std::int32_t rows() const = 0;
    [[nodiscard]] virtual std::int32_t cols() const = 0;
    [[nodiscard]] virtual std::int32_t fixedRows() const = 0;
    [[nodiscard]] virtual std::string textMatrix(std::int32_t row, std::int32_t col) const = 0;
    virtual void setTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) = 0;
    /// Width of a column in twips.
    [[nodiscard]] virtual std::int32_t colWidth(std::int32_t col) const = 0;
};

/// A list bar: groups of items. Groups and items are reached by position from 0 and named by their
/// own index.
class ListBarControl : public FormControl {
public:
    [[nodiscard]] virtual std::int32_t groupCount() const = 0;
    [[nodiscard]] virtual std::int32_t groupIndex(std::int32_t group) const = 0;
    [[nodiscard]] virtual std::string groupCaption(std::int32_t group) const = 0;
    virtual void setGroupCaption(std::int32_t group, const std::string& caption) = 0;
    [[nodiscard]] virtual std::int32_t itemCount(std::int32_t group) const = 0;
    [[nodiscard]] virtual std::int32_t itemIndex(std::int32_t group, std::int32_t item) const = 0;
    [[nodiscard]] virtual std::string itemText(std::int32_t group, std::int32_t item) const = 0;
    virtual void setItemText(std::int32_t group, std::int32_t item, const std::string& text) = 0;
};

/// A toolbar: buttons by key, each with an optional drop-down menu of entries by key. Buttons and
/// entries are reached by position from 0.
class ToolbarControl : public FormControl {
public:
    [[nodiscard]] virtual std::int32_t buttonCount() const = 0;
    [[nodiscard]] virtual std::string buttonKey(std::int32_t button) const = 0;
    [[nodiscard]] virtual bool buttonIsSeparator(std::int32_t button) const = 0;
    [[nodiscard]] virtual std::string buttonCaption(std::int32_t button) const = 0;
    virtual void setButtonCaption(std::int32_t button, const std::string& caption) = 0;
    [[nodiscard]] virtual std::int32_t menuCount(std::int32_t button) const = 0;
    [[nodiscard]] virtual std::string menuKey(std::int32_t button, std::int32_t entry) const = 0;
    [[nodiscard]] virtual std::string menuText(std::int32_t button, std::int32_t entry) const = 0;
    virtual void setMenuText(std::int32_t button, std::int32_t entry, const std::string& text) = 0;
};

/// A window or user control with named controls, whose captions the text service sets by the form's
/// name and each control's name. The controls stay owned by the form and live as long as it does.
class LanguageForm {
public:
    virtual ~LanguageForm() = default;
    [[nodiscard]] virtual std::string name() const = 0;
    /// False for a user control (a panel inside a window).
    [[nodiscard]] virtual bool isWindow() const = 0;
    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    /// Width in twips.
    [[nodiscard]] virtual std::int32_t width() const = 0;
    /// The controls in the window's control order.
    [[nodiscard]] virtual std::vector<FormControl*> controls() const = 0;
};

} // namespace orvik::common
