#pragma once

#include "common/LanguageForm.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvik::common::test {

/// Plain controls and a form that owns them, for the text service's tests.
struct FakeCaption : CaptionControl {
    FakeCaption(ControlKind k, std::string n, std::string c, std::optional<std::int32_t> i = std::nullopt,
                std::int32_t w = 0)
        : kindValue(k), nameValue(std::move(n)), text(std::move(c)), indexValue(i), widthValue(w) {}
    [[nodiscard]] ControlKind kind() const override { return kindValue; }
    [[nodiscard]] std::string name() const override { return nameValue; }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return indexValue; }
    [[nodiscard]] std::int32_t width() const override { return widthValue; }
    [[nodiscard]] std::string caption() const override { return text; }
    void setCaption(const std::string& c) override { text = c; }

    ControlKind kindValue;
    std::string nameValue;
    std::string text;
    std::optional<std::int32_t> indexValue;
    std::int32_t widthValue;
};

struct FakeTabs : TabsControl {
    FakeTabs(ControlKind k, std::string n, std::vector<std::string> t)
        : kindValue(k), nameValue(std::move(n)), tabs(std::move(t)) {}
    [[nodiscard]] ControlKind kind() const override { return kindValue; }
    [[nodiscard]] std::string name() const override { return nameValue; }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return std::nullopt; }
    [[nodiscard]] std::int32_t width() const override { return 0; }
    [[nodiscard]] std::int32_t tabCount() const override { return static_cast<std::int32_t>(tabs.size()); }
    [[nodiscard]] std::string tabCaption(std::int32_t p) const override { return tabs.at(p); }
    void setTabCaption(std::int32_t p, const std::string& c) override { tabs.at(p) = c; }

    ControlKind kindValue;
    std::string nameValue;
    std::vector<std::string> tabs;
};

struct FakeGrid : GridControl {
    FakeGrid(std::string n, std::vector<std::vector<std::string>> c, std::int32_t f)
        : nameValue(std::move(n)), cells(std::move(c)), fixed(f) {}
    [[nodiscard]] ControlKind kind() const override { return ControlKind::Grid; }
    [[nodiscard]] std::string name() const override { return nameValue; }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return std::nullopt; }
    [[nodiscard]] std::int32_t width() const override { return 0; }
    [[nodiscard]] std::int32_t rows() const override { return static_cast<std::int32_t>(cells.size()); }
    [[nodiscard]] std::int32_t cols() const override {
        return cells.empty() ? 0 : static_cast<std::int32_t>(cells.front().size());
    }
    [[nodiscard]] std::int32_t fixedRows() const override { return fixed; }
    [[nodiscard]] std::string textMatrix(std::int32_t r, std::int32_t c) const override {
        return cells.at(r).at(c);
    }
    void setTextMatrix(std::int32_t r, std::int32_t c, const std::string& t) override {
        cells.at(r).at(c) = t;
    }
    [[nodiscard]] std::int32_t colWidth(std::int32_t) const override { return 1500; }

    std::string nameValue;
    std::vector<std::vector<std::string>> cells;
    std::int32_t fixed;
};

struct FakeListBar : ListBarControl {
    struct Group {
        std::int32_t index;
        std::string caption;
        std::vector<std::pair<std::int32_t, std::string>> items;
    };
    FakeListBar(std::string n, std::vector<Group> g) : nameValue(std::move(n)), groups(std::move(g)) {}
    [[nodiscard]] ControlKind kind() const override { return ControlKind::ListBar; }
    [[nodiscard]] std::string name() const override { return nameValue; }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return std::nullopt; }
    [[nodiscard]] std::int32_t width() const override { return 0; }
    [[nodiscard]] std::int32_t groupCount() const override {
        return static_cast<std::int32_t>(groups.size());
    }
    [[nodiscard]] std::int32_t groupIndex(std::int32_t g) const override { return groups.at(g).index; }
    [[nodiscard]] std::string groupCaption(std::int32_t g) const override { return groups.at(g).caption; }
    void setGroupCaption(std::int32_t g, const std::string& c) override { groups.at(g).caption = c; }
    [[nodiscard]] std::int32_t itemCount(std::int32_t g) const override {
        return static_cast<std::int32_t>(groups.at(g).items.size());
    }
    [[nodiscard]] std::int32_t itemIndex(std::int32_t g, std::int32_t i) const override {
        return groups.at(g).items.at(i).first;
    }
    [[nodiscard]] std::string itemText(std::int32_t g, std::int32_t i) const override {
        return groups.at(g).items.at(i).second;
    }
    void setItemText(std::int32_t g, std::int32_t i, const std::string& t) override {
        groups.at(g).items.at(i).second = t;
    }

    std::string nameValue;
    std::vector<Group> groups;
};

struct FakeToolbar : ToolbarControl {
    struct Button {
        std::string key;
        std::string caption;
        std::vector<std::pair<std::string, std::string>> menu;
        bool separator = false;
    };
    FakeToolbar(std::string n, std::vector<Button> b) : nameValue(std::move(n)), buttons(std::move(b)) {}
    [[nodiscard]] ControlKind kind() const override { return ControlKind::Toolbar; }
    [[nodiscard]] std::string name() const override { return nameValue; }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return std::nullopt; }
    [[nodiscard]] std::int32_t width() const override { return 0; }
    [[nodiscard]] std::int32_t buttonCount() const override {
        return static_cast<std::int32_t>(buttons.size());
    }
    [[nodiscard]] std::string buttonKey(std::int32_t b) const override { return buttons.at(b).key; }
    [[nodiscard]] bool buttonIsSeparator(std::int32_t b) const override { return buttons.at(b).separator; }
    [[nodiscard]] std::string buttonCaption(std::int32_t b) const override { return buttons.at(b).caption; }
    void setButtonCaption(std::int32_t b, const std::string& c) override { buttons.at(b).caption = c; }
    [[nodiscard]] std::int32_t menuCount(std::int32_t b) const override {
        return static_cast<std::int32_t>(buttons.at(b).menu.size());
    }
    [[nodiscard]] std::string menuKey(std::int32_t b, std::int32_t e) const override {
        return buttons.at(b).menu.at(e).first;
    }
    [[nodiscard]] std::string menuText(std::int32_t b, std::int32_t e) const override {
        return buttons.at(b).menu.at(e).second;
    }
    void setMenuText(std::int32_t b, std::int32_t e, const std::string& t) override {
        buttons.at(b).menu.at(e).second = t;
    }

    std::string nameValue;
    std::vector<Button> buttons;
};

class FakeForm : public LanguageForm {
public:
    FakeForm(std::string name, std::string caption, bool window = true)
        : m_name(std::move(name)), m_caption(std::move(caption)), m_window(window) {}

    template <typename Control, typename... Args> Control& add(Args&&... args) {
        auto control = std::make_unique<Control>(std::forward<Args>(args)...);
        Control& result = *control;
        m_controls.push_back(std::move(control));
        return result;
    }

    [[nodiscard]] std::string name() const override { return m_name; }
    [[nodiscard]] bool isWindow() const override { return m_window; }
    [[nodiscard]] std::string caption() const override { return m_caption; }
    void setCaption(const std::string& caption) override { m_caption = caption; }
    [[nodiscard]] std::int32_t width() const override { return 6000; }
    [[nodiscard]] std::vector<FormControl*> controls() const override {
        std::vector<FormControl*> result;
        for (const auto& control : m_controls) {
            result.push_back(control.get());
        }
        return result;
    }

private:
    std::string m_name;
    std::string m_caption;
    bool m_window;
    std::vector<std::unique_ptr<FormControl>> m_controls;
};

} // namespace orvik::common::test
