#include "common/qt/QtLanguageForm.h"

#include "common/qt/LanguageCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace orvik::common::qt {

namespace {

using orvik::common::ControlKind;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string s(const QString& text) {
    return text.toStdString();
}

std::int32_t twips(int pixels) {
    return pixels * TwipsPerPixel;
}

std::optional<std::int32_t> indexOf(const QObject& object) {
    const QVariant index = object.property("index");
    bool ok = false;
    const int value = index.toInt(&ok);
    return index.isValid() && ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

QString keyOf(const QAction& action) {
    const QVariant key = action.property("key");
    return key.isValid() ? key.toString() : action.objectName();
}

/// The common part of every adapter: the object's name, index and width.
template <typename Interface> class Adapter : public Interface {
public:
    Adapter(ControlKind kind, QObject& object) : m_kind(kind), m_object(object) {}
    [[nodiscard]] ControlKind kind() const override { return m_kind; }
    [[nodiscard]] std::string name() const override { return s(m_object.objectName()); }
    [[nodiscard]] std::optional<std::int32_t> index() const override { return indexOf(m_object); }
    [[nodiscard]] std::int32_t width() const override {
        const auto* widget = qobject_cast<const QWidget*>(&m_object);
        return widget != nullptr ? twips(widget->width()) : 0;
    }

private:
    ControlKind m_kind;
    QObject& m_object;
};

/// A caption read and written through two callables, for the many widgets with a text.
template <typename Widget, typename Get, typename Set>
class Caption : public Adapter<orvik::common::CaptionControl> {
public:
    Caption(ControlKind kind, Widget& widget, Get get, Set set)
        : Adapter(kind, widget), m_widget(widget), m_get(get), m_set(set) {}
    [[nodiscard]] std::string caption() const override { return s((m_widget.*m_get)()); }
    void setCaption(const std::string& caption) override { (m_widget.*m_set)(q(caption)); }

private:
    Widget& m_widget;
    Get m_get;
    Set m_set;
};

template <typename Widget, typename Get, typename Set>
std::unique_ptr<orvik::common::FormControl> caption(ControlKind kind, Widget& widget, Get get, Set set) {
    return std::make_unique<Caption<Widget, Get, Set>>(kind, widget, get, set);
}

class ActionCaption : public Adapter<orvik::common::CaptionControl> {
public:
    explicit ActionCaption(QAction& action) : Adapter(ControlKind::MenuItem, action), m_action(action) {}
    [[nodiscard]] std::string caption() const override {
        return m_action.isSeparator() ? std::string("-") : s(m_action.text());
    }
    void setCaption(const std::string& caption) override { m_action.setText(q(caption)); }

private:
    QAction& m_action;
};

class TabWidgetTabs : public Adapter<orvik::common::TabsControl> {
public:
    explicit TabWidgetTabs(QTabWidget& tabs) : Adapter(ControlKind::TabControl, tabs), m_tabs(tabs) {}
    [[nodiscard]] std::int32_t tabCount() const override { return m_tabs.count(); }
    [[nodiscard]] std::string tabCaption(std::int32_t p) const override { return s(m_tabs.tabText(p)); }
    void setTabCaption(std::int32_t p, const std::string& c) override { m_tabs.setTabText(p, q(c)); }

private:
    QTabWidget& m_tabs;
};

class TabBarTabs : public Adapter<orvik::common::TabsControl> {
public:
    explicit TabBarTabs(QTabBar& tabs) : Adapter(ControlKind::TabStrip, tabs), m_tabs(tabs) {}
    [[nodiscard]] std::int32_t tabCount() const override { return m_tabs.count(); }
    [[nodiscard]] std::string tabCaption(std::int32_t p) const override { return s(m_tabs.tabText(p)); }
    void setTabCaption(std::int32_t p, const std::string& c) override { m_tabs.setTabText(p, q(c)); }

private:
    QTabBar& m_tabs;
};

/// A QTableWidget: its horizontal header is row 0, the only fixed row; table rows follow from 1.
class TableWidgetGrid : public Adapter<orvik::common::GridControl> {
public:
    explicit TableWidgetGrid(QTableWidget& table) : Adapter(ControlKind::Grid, table), m_table(table) {}
    [[nodiscard]] std::int32_t rows() const override { return m_table.rowCount() + 1; }
    [[nodiscard]] std::int32_t cols() const override { return m_table.columnCount(); }
    [[nodiscard]] std::int32_t fixedRows() const override { return 1; }
    [[nodiscard]] std::string textMatrix(std::int32_t row, std::int32_t col) const override {
        const QTableWidgetItem* item =
            row == 0 ? m_table.horizontalHeaderItem(col) : m_table.item(row - 1, col);
        return item != nullptr ? s(item->text()) : std::string();
    }
    void setTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) override {
        if (row == 0) {
            QTableWidgetItem* item = m_table.horizontalHeaderItem(col);
            if (item == nullptr) {
                m_table.setHorizontalHeaderItem(col, new QTableWidgetItem(q(text)));
            } else {
                item->setText(q(text));
            }
            return;
        }
        QTableWidgetItem* item = m_table.item(row - 1, col);
        if (item == nullptr) {
            m_table.setItem(row - 1, col, new QTableWidgetItem(q(text)));
        } else {
            item->setText(q(text));
        }
    }
    [[nodiscard]] std::int32_t colWidth(std::int32_t col) const override {
        return twips(m_table.columnWidth(col));
    }

private:
    QTableWidget& m_table;
};

/// Any other table view: the model's horizontal headings are row 0, the only fixed row; the model's
/// rows follow from 1.
class TableViewGrid : public Adapter<orvik::common::GridControl> {
public:
    TableViewGrid(QTableView& view, QAbstractItemModel& model)
        : Adapter(ControlKind::Grid, view), m_view(view), m_model(model) {}
    [[nodiscard]] std::int32_t rows() const override { return m_model.rowCount() + 1; }
    [[nodiscard]] std::int32_t cols() const override { return m_model.columnCount(); }
    [[nodiscard]] std::int32_t fixedRows() const override { return 1; }
    [[nodiscard]] std::string textMatrix(std::int32_t row, std::int32_t col) const override {
        const QVariant value =
            row == 0 ? m_model.headerData(col, Qt::Horizontal) : m_model.index(row - 1, col).data();
        return s(value.toString());
    }
    void setTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) override {
        if (row == 0) {
            m_model.setHeaderData(col, Qt::Horizontal, q(text));
        } else {
            m_model.setData(m_model.index(row - 1, col), q(text));
        }
    }
    [[nodiscard]] std::int32_t colWidth(std::int32_t col) const override {
        return twips(m_view.columnWidth(col));
    }

private:
    QTableView& m_view;
    QAbstractItemModel& m_model;
};

class CaptionsGrid : public Adapter<orvik::common::GridControl> {
public:
    CaptionsGrid(QWidget& widget, GridCaptions& grid) : Adapter(ControlKind::Grid, widget), m_grid(grid) {}
    [[nodiscard]] std::int32_t rows() const override { return m_grid.captionRows(); }
    [[nodiscard]] std::int32_t cols() const override { return m_grid.captionCols(); }
    [[nodiscard]] std::int32_t fixedRows() const override { return m_grid.captionFixedRows(); }
    [[nodiscard]] std::string textMatrix(std::int32_t r, std::int32_t c) const override {
        return s(m_grid.captionText(r, c));
    }
    void setTextMatrix(std::int32_t r, std::int32_t c, const std::string& t) override {
        m_grid.setCaptionText(r, c, q(t));
    }
    [[nodiscard]] std::int32_t colWidth(std::int32_t c) const override {
        return twips(m_grid.captionColWidth(c));
    }

private:
    GridCaptions& m_grid;
};

class CaptionsListBar : public Adapter<orvik::common::ListBarControl> {
public:
    CaptionsListBar(QWidget& widget, ListBarCaptions& bar)
        : Adapter(ControlKind::ListBar, widget), m_bar(bar) {}
    [[nodiscard]] std::int32_t groupCount() const override { return m_bar.captionGroupCount(); }
    [[nodiscard]] std::int32_t groupIndex(std::int32_t g) const override {
        return m_bar.captionGroupIndex(g);
    }
    [[nodiscard]] std::string groupCaption(std::int32_t g) const override {
        return s(m_bar.captionGroupText(g));
    }
    void setGroupCaption(std::int32_t g, const std::string& c) override {
        m_bar.setCaptionGroupText(g, q(c));
    }
    [[nodiscard]] std::int32_t itemCount(std::int32_t g) const override { return m_bar.captionItemCount(g); }
    [[nodiscard]] std::int32_t itemIndex(std::int32_t g, std::int32_t i) const override {
        return m_bar.captionItemIndex(g, i);
    }
    [[nodiscard]] std::string itemText(std::int32_t g, std::int32_t i) const override {
        return s(m_bar.captionItemText(g, i));
    }
    void setItemText(std::int32_t g, std::int32_t i, const std::string& t) override {
        m_bar.setCaptionItemText(g, i, q(t));
    }

private:
    ListBarCaptions& m_bar;
};

class ToolBarButtons : public Adapter<orvik::common::ToolbarControl> {
public:
    explicit ToolBarButtons(QToolBar& bar) : Adapter(ControlKind::Toolbar, bar), m_bar(bar) {}
    [[nodiscard]] std::int32_t buttonCount() const override {
        return static_cast<std::int32_t>(buttons().size());
    }
    [[nodiscard]] std::string buttonKey(std::int32_t b) const override { return s(keyOf(*button(b))); }
    [[nodiscard]] bool buttonIsSeparator(std::int32_t b) const override { return button(b)->isSeparator(); }
    [[nodiscard]] std::string buttonCaption(std::int32_t b) const override { return s(button(b)->text()); }
    void setButtonCaption(std::int32_t b, const std::string& c) override { button(b)->setText(q(c)); }
    [[nodiscard]] std::int32_t menuCount(std::int32_t b) const override {
        return static_cast<std::int32_t>(entries(b).size());
    }
    [[nodiscard]] std::string menuKey(std::int32_t b, std::int32_t e) const override {
        return s(keyOf(*entries(b).at(e)));
    }
    [[nodiscard]] std::string menuText(std::int32_t b, std::int32_t e) const override {
        return s(entries(b).at(e)->text());
    }
    void setMenuText(std::int32_t b, std::int32_t e, const std::string& t) override {
        entries(b).at(e)->setText(q(t));
    }

private:
    [[nodiscard]] QList<QAction*> buttons() const { return m_bar.actions(); }
    [[nodiscard]] QAction* button(std::int32_t b) const { return buttons().at(b); }
    [[nodiscard]] QList<QAction*> entries(std::int32_t b) const {
        const QMenu* menu = button(b)->menu<QMenu*>();
        return menu != nullptr ? menu->actions() : QList<QAction*>();
    }

    QToolBar& m_bar;
};

bool isMenuEntry(const QAction& action) {
    if (action.menu<QMenu*>() != nullptr) {
        return false; // the menu itself stands for it
    }
    const QList<QObject*> owners = action.associatedObjects();
    return std::any_of(owners.begin(), owners.end(),
                       [](const QObject* owner) { return qobject_cast<const QMenu*>(owner) != nullptr; });
}

std::unique_ptr<orvik::common::FormControl> adapt(QObject& object) {
    if (auto* action = qobject_cast<QAction*>(&object)) {
        return isMenuEntry(*action) ? std::make_unique<ActionCaption>(*action) : nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(&object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* grid = dynamic_cast<GridCaptions*>(widget)) {
        return std::make_unique<CaptionsGrid>(*widget, *grid);
    }
    if (auto* bar = dynamic_cast<ListBarCaptions*>(widget)) {
        return std::make_unique<CaptionsListBar>(*widget, *bar);
    }
    if (auto* w = qobject_cast<QLabel*>(widget)) {
        return caption(ControlKind::Label, *w, &QLabel::text, &QLabel::setText);
    }
    if (auto* w = qobject_cast<QCheckBox*>(widget)) {
        return caption(ControlKind::CheckBox, *w, &QAbstractButton::text, &QAbstractButton::setText);
    }
    if (auto* w = qobject_cast<QRadioButton*>(widget)) {
        return caption(ControlKind::OptionButton, *w, &QAbstractButton::text, &QAbstractButton::setText);
    }
    if (auto* w = qobject_cast<QAbstractButton*>(widget)) {
        return caption(ControlKind::CommandButton, *w, &QAbstractButton::text, &QAbstractButton::setText);
    }
    if (auto* w = qobject_cast<QGroupBox*>(widget)) {
        return caption(ControlKind::Frame, *w, &QGroupBox::title, &QGroupBox::setTitle);
    }
    if (auto* w = qobject_cast<QMenu*>(widget)) {
        return caption(ControlKind::MenuItem, *w, &QMenu::title, &QMenu::setTitle);
    }
    if (auto* w = qobject_cast<QTabWidget*>(widget)) {
        return std::make_unique<TabWidgetTabs>(*w);
    }
    if (auto* w = qobject_cast<QTabBar*>(widget)) {
        return std::make_unique<TabBarTabs>(*w);
    }
    if (auto* w = qobject_cast<QTableWidget*>(widget)) {
        return std::make_unique<TableWidgetGrid>(*w);
    }
    if (auto* w = qobject_cast<QTableView*>(widget); w != nullptr && w->model() != nullptr) {
        return std::make_unique<TableViewGrid>(*w, *w->model());
    }
    if (auto* w = qobject_cast<QToolBar*>(widget)) {
        return std::make_unique<ToolBarButtons>(*w);
    }
    return nullptr;
}

/// A panel inside the form (user control) or a window of its own sets its own captions.
bool isOwnForm(const QObject& object) {
    const auto* widget = qobject_cast<const QWidget*>(&object);
    if (widget == nullptr || qobject_cast<const QMenu*>(widget) != nullptr) {
        return false;
    }
    return widget->isWindow() || widget->objectName().startsWith(QLatin1String("uctl"));
}

void collect(const QObject& parent, std::vector<std::unique_ptr<orvik::common::FormControl>>& out) {
    for (QObject* child : parent.children()) {
        if (isOwnForm(*child)) {
            continue;
        }
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            if (auto control = adapt(*child)) {
                out.push_back(std::move(control));
            }
        }
        collect(*child, out);
    }
}

} // namespace

QtLanguageForm::QtLanguageForm(QWidget& form) : m_form(form) {
    collect(m_form, m_controls);
}

QtLanguageForm::~QtLanguageForm() = default;

std::string QtLanguageForm::name() const {
    return s(m_form.objectName());
}
bool QtLanguageForm::isWindow() const {
    return m_form.isWindow();
}
std::string QtLanguageForm::caption() const {
    return s(m_form.windowTitle());
}
void QtLanguageForm::setCaption(const std::string& caption) {
    if (isWindow()) {
        m_form.setWindowTitle(q(caption));
    }
}
std::int32_t QtLanguageForm::width() const {
    return twips(m_form.width());
}

std::vector<orvik::common::FormControl*> QtLanguageForm::controls() const {
    std::vector<orvik::common::FormControl*> result;
    result.reserve(m_controls.size());
    for (const auto& control : m_controls) {
        result.push_back(control.get());
    }
    return result;
}

} // namespace orvik::common::qt
