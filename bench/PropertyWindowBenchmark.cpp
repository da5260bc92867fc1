// The property search page and the result combination window as the user waits on them, from the
// click on the button to the hits on screen and the window idle, each on a fresh window. The
// property page's hits are its hit table and the tables of properties of its first hit; the
// combination window lists every designation the four results share, with its material number.
// "_first" cases open the database anew before their search, as the first search after start-up.
// The floor of each is the same work in the object model plus a plain Qt item model filled with the
// rows the window lists.

#include "BenchSupport.h"
#include "CombinationResults.h"
#include "Grid.h"
#include "NumEntry.h"
#include "WindowBench.h"
#include "common/cls_Language.h"
#include "frmErgebniskombination.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "objects/MaterialItems.h"
#include "objects/PropertySearch.h"
#include "platform/db/Dao.h"
#include "shell/contract/DialogLanguage.h"
#include "uctlPropertySearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <memory>
#include <string>

namespace bench {
namespace {

constexpr std::int64_t kPropertyHits = 12897;

// Upper yield strength (property 2) of at least 355 MPa and property 7 of at least 500 MPa, typed
// into the criteria grid; property_search_two_criteria's second property is not offered for search.
struct Criterion {
    int property;
    const char* min;
};
constexpr Criterion kCriteria[] = {{2, "355"}, {7, "500"}};

// The filters the page builds of them, in its order, as the object model takes them.
struct Filter {
    const char* sql;
    const char* xml;
};
constexpr Filter kFilters[] = {
    {"(tabEigenschaftswerte.SID_Eigenschaft=102) and (tabEigenschaftswerte.Eigenschaft_min>=355)",
     "(E=102) and (n>=355)"},
    {"(tabEigenschaftswerte.SID_Eigenschaft=107) and (tabEigenschaftswerte.Eigenschaft_min>=500)",
     "(E=107) and (n>=500)"}};

/// The property page as the main window sets it up, shown, with the criteria typed in.
class PropertyPage {
public:
    explicit PropertyPage(const std::shared_ptr<orvik::objects::Application>& app) {
        m_language.setLanguageClass(app->LanguageObject());
        m_language.setLanguage(orvik::common::cls_Language::German);
        m_panel.setDialogLanguage(&m_language);
        m_panel.setApplication(app);
        m_panel.setCombinationResultBuilder(std::make_shared<orvik::objects::CombinationResultBuilder>());
        const auto list = app->List();
        m_panel.setList(list);
        m_panel.resize(1100, 720);
        m_panel.show();
        settleWindow();
        m_panel.InitGrids();
        m_panel.Init();
        (void)list->PropertyCountries();
        m_panel.InitFields();
        m_language.ExecAfterLanguageChange();
        int row = 2;
        for (const Criterion& c : kCriteria) {
            m_typed = choose(row, 1, c.property) && type(row, 2, QString::fromLatin1(c.min)) && m_typed;
            nextRow();
            ++row;
        }
        settleWindow();
    }

    [[nodiscard]] bool typed() const { return m_typed; }

    void search() {
        m_panel.Search();
        settleWindow();
    }

    [[nodiscard]] std::int64_t hits() const { return grid("grdMechTrefferliste").Rows(); }

private:
    [[nodiscard]] controls::Grid& grid(const char* name) const {
        return *m_panel.findChild<controls::Grid*>(QString::fromLatin1(name));
    }
    [[nodiscard]] QWidget* editor() const {
        for (auto* w : grid("grdMechSuchen").findChildren<QWidget*>()) {
            if ((qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<controls::NumEntry*>(w) != nullptr) &&
                w->isVisible() && w->property("index").isValid()) {
                return w;
            }
        }
        return nullptr;
    }
    void enter(int row, int col) const {
        auto& criteria = grid("grdMechSuchen");
        criteria.setRow(row);
        criteria.setCol(col == 1 ? 2 : 1);
        criteria.setCol(col);
    }
    [[nodiscard]] bool choose(int row, int col, int key) const {
        enter(row, col);
        auto* combo = qobject_cast<QComboBox*>(editor());
        if (combo == nullptr || combo->findData(key) < 0) {
            return false;
        }
        combo->setCurrentIndex(combo->findData(key));
        return true;
    }
    /// Enter in the number editor: the row below, appended when needed.
    void nextRow() const {
        if (auto* entry = qobject_cast<controls::NumEntry*>(editor())) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(entry, &press);
            QApplication::sendEvent(entry, &release);
        }
    }
    [[nodiscard]] bool type(int row, int col, const QString& text) const {
        enter(row, col);
        auto* entry = qobject_cast<controls::NumEntry*>(editor());
        if (entry == nullptr) {
            return false;
        }
        entry->setEntryText(text);
        return true;
    }

    shell::contract::DialogLanguage m_language;
    property::uctlPropertySearch m_panel;
    bool m_typed = true;
};

void propertyWindow(benchmark::State& state, bool first) {
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        auto page = std::make_unique<PropertyPage>(app);
        if (!page->typed()) {
            state.SkipWithError("the criteria could not be typed into the grid");
            return;
        }
        state.ResumeTiming();
        page->search();
        rows = page->hits();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

/// A plain item model with the rows a hit list shows.
template <typename Items> std::int64_t fillModel(const Items& items) {
    QStandardItemModel model;
    for (const auto& item : items) {
        model.appendRow({new QStandardItem(QString::fromStdString(item->Designation)),
                         new QStandardItem(QString::fromStdString(item->MaterialNo)),
                         new QStandardItem(QString::number(item->Order)),
                         new QStandardItem(QString::fromStdString(item->IdDesigCountry))});
    }
    return model.rowCount();
}

void propertyWindowFloor(benchmark::State& state, bool first) {
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        state.ResumeTiming();
        const auto search = app->PropertySearch();
        for (const Filter& filter : kFilters) {
            search->addFilter(filter.sql);
            search->AddXmlFilter(filter.xml);
        }
        const auto items = search->MaterialItems(0);
        rows = items ? fillModel(*items) : 0;
    }
    state.counters["rows"] = static_cast<double>(rows);
}

/// The combination window with the four results in its builder, all four ticked, shown.
class CombinationPage {
public:
    CombinationPage(const std::shared_ptr<orvik::objects::Application>& app,
                    const std::shared_ptr<orvik::objects::CombinationResultBuilder>& builder) {
        m_language.setLanguageClass(app->LanguageObject());
        m_language.setLanguage(orvik::common::cls_Language::German);
        m_window.setDialogLanguage(&m_language);
        m_window.setApplication(app);
        m_window.setCombinationResultBuilder(builder);
        m_window.show();
        settleWindow();
        for (auto* box : m_window.findChildren<QCheckBox*>()) {
            box->setChecked(true);
        }
        settleWindow();
    }

    void combine() {
        m_window.findChild<QPushButton*>(QStringLiteral("cmdCombine"))->click();
        settleWindow();
    }

    [[nodiscard]] std::int64_t rows() const {
        return m_window.findChild<controls::Grid*>(QStringLiteral("grdResult"))->Rows();
    }

private:
    shell::contract::DialogLanguage m_language;
    property::frmErgebniskombination m_window;
};

/// The four results, set into a builder as the searches leave them, none included yet.
std::shared_ptr<orvik::objects::CombinationResultBuilder> fourResults(platform::db::Database& db) {
    auto builder = std::make_shared<orvik::objects::CombinationResultBuilder>();
    builder->SetDesignationResultSet(result(db, 1), true);
    builder->SetCompositionResultSet(result(db, 1 + kShift), true);
    builder->SetExtendedCompositionResultSet(result(db, 1 + 2 * kShift), true);
    builder->SetPropertyResult(propertyResult(*result(db, 1 + 3 * kShift)), true);
    return builder;
}

void combinationWindow(benchmark::State& state, bool first) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        auto page = std::make_unique<CombinationPage>(app, fourResults(*db));
        state.ResumeTiming();
        page->combine();
        rows = page->rows();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void combinationWindowFloor(benchmark::State& state, bool first) {
    const auto db = openGenerated(state, "Filter.mdb");
    if (!db) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        const auto builder = fourResults(*db);
        state.ResumeTiming();
        builder->IncludeDesignation(true);
        builder->IncludeComposition(true);
        builder->IncludeExtComposition(true);
        builder->IncludeProperty(true);
        const auto list = builder->Build();
        QStandardItemModel model;
        for (int position = 1; position <= list->Count(); ++position) {
            list->Move(position);
            const auto item = list->Current();
            model.appendRow({new QStandardItem(QString::fromStdString(item->Designation)),
                             new QStandardItem(QString::number(item->Order)),
                             new QStandardItem(QString::fromStdString(item->IdDesigCountry))});
        }
        rows = model.rowCount();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addPropertyWindowCases() {
    for (const bool first : {false, true}) {
        const std::string suffix = first ? "_first" : "";
        const double target = first ? 300 : 150;
        addCase(
            "window_property_search_two_criteria" + suffix,
            [first](benchmark::State& s) { propertyWindow(s, first); },
            Target{target, std::nullopt, true, 10}, kPropertyHits);
        addCase(
            "window_property_search_two_criteria" + suffix + "_floor",
            [first](benchmark::State& s) { propertyWindowFloor(s, first); }, std::nullopt, kPropertyHits, 10);
        addCase(
            "window_combination_four_results" + suffix,
            [first](benchmark::State& s) { combinationWindow(s, first); },
            Target{target, std::nullopt, true, 10}, kCombined);
        addCase(
            "window_combination_four_results" + suffix + "_floor",
            [first](benchmark::State& s) { combinationWindowFloor(s, first); }, std::nullopt, kCombined, 10);
    }
}

} // namespace bench
