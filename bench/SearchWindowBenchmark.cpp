// The composition search pages as the user waits on them: from the click on the search button to the
// hits on screen and the window idle (the hit list filled and laid out, the first hit's analysis
// beside the criteria, the status text set), each on a fresh panel. "_first" cases open the database
// anew before their search (a new connection, its caches empty, the files in the page cache), as the
// first search after start-up; the others repeat the search on the same connection.
// The floor of each is the same search in the object model plus a plain Qt item model filled with
// the hit rows the list shows.

#include "AnalysisFile.h"
#include "BenchSupport.h"
#include "CompositionRanges.h"
#include "DlgFuzzyPara.h"
#include "WindowBench.h"
#include "common/CompositionSearchItems.h"
#include "common/Enums.h"
#include "common/Helper.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "platform/db/Dao.h"
#include "shell/contract/DialogLanguage.h"
#include "uctlCompositionGrid.h"
#include "uctlCompositionSearch.h"
#include "uctlMaterialList.h"

#include <QApplication>
#include <QStandardItemModel>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace bench {
namespace {

using composition::AnalysisRow;
using composition::uctlCompositionSearch;
using orvik::common::CompositionSearchMethod;

struct Shape {
    const char* name;
    bool advanced;
    std::size_t count;
    CompositionSearchMethod method;
    bool fuzzy;
    std::int64_t rows;
};

constexpr int kFuzzyWanted = 20;
constexpr int kFuzzyMaxTolerance = 50;

/// The rows as the user types them into the grid.
std::vector<AnalysisRow> gridRows(const Shape& shape) {
    std::vector<AnalysisRow> rows;
    const bool inside = shape.method == CompositionSearchMethod::Inside;
    for (std::size_t i = 0; i < shape.count; ++i) {
        const Range& r = kRanges[i];
        rows.push_back({r.element, inside ? r.low : r.wideLow, inside ? r.high : r.wideHigh, "", "", "",
                        inside ? "inside" : "outside"});
    }
    return rows;
}

/// The same criteria as the object model takes them.
std::shared_ptr<orvik::common::CompositionSearchItems> searchItems(const Shape& shape) {
    auto set = std::make_shared<orvik::common::CompositionSearchItems>();
    const bool inside = shape.method == CompositionSearchMethod::Inside;
    for (std::size_t i = 0; i < shape.count; ++i) {
        const Range& r = kRanges[i];
        set->Add(r.element, inside ? r.low : r.wideLow, inside ? r.high : r.wideHigh, "", "", "",
                 shape.method, "");
    }
    return set;
}

/// One panel as the main window sets it up, shown, with the criteria typed in.
class Page {
public:
    Page(const std::shared_ptr<orvik::objects::Application>& app, const Shape& shape)
        : m_panel(shape.advanced ? QStringLiteral("uctlAdvancedCompositionSearch")
                                 : QStringLiteral("uctlCompositionSearch")) {
        m_language.setLanguageClass(app->LanguageObject());
        m_language.setLanguage(orvik::common::cls_Language::German);
        m_panel.setDialogLanguage(&m_language);
        m_panel.setIsAdvanced(shape.advanced);
        m_panel.setApplication(app);
        m_panel.setList(app->List());
        m_language.ExecAfterLanguageChange();
        m_panel.resize(1100, 760);
        m_panel.show();
        composition::Analysis analysis;
        analysis.Rows = gridRows(shape);
        m_panel.compositionGrid().LoadRows(analysis);
        if (shape.fuzzy) {
            m_panel.setDialogRunner([](composition::DlgFuzzyPara& dialog) {
                dialog.setCountText(QString::number(kFuzzyWanted));
                dialog.setMaxToleranceText(QString::number(kFuzzyMaxTolerance));
                dialog.Confirmed = true;
            });
        }
        settleWindow();
    }

    /// The click on the button and what the window does until it waits for the user again.
    void search(bool fuzzy) {
        if (fuzzy) {
            m_panel.FuzzySearch();
        } else {
            m_panel.Search();
        }
        settleWindow();
    }

    [[nodiscard]] std::int64_t hits() const { return m_panel.materialList().Count(); }
    /// The number the status text gives: the hits as the panel counted them.
    [[nodiscard]] std::int64_t counted() const {
        return m_panel.statusBarText().section(QLatin1Char(' '), 0, 0).toLongLong();
    }

private:
    shell::contract::DialogLanguage m_language;
    uctlCompositionSearch m_panel;
};

void windowSearch(benchmark::State& state, const Shape& shape, bool first) {
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        auto page = std::make_unique<Page>(app, shape);
        state.ResumeTiming();
        page->search(shape.fuzzy);
        rows = page->hits();
        state.PauseTiming();
        if (page->counted() != rows) {
            state.SkipWithError(("the status text counts " + std::to_string(page->counted()) +
                                 " hits, the list " + std::to_string(rows))
                                    .c_str());
            return;
        }
        page.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

/// The object-model search, its rows read into a plain item model as the list shows them.
void windowSearchFloor(benchmark::State& state, const Shape& shape, bool first) {
    const auto criteria = searchItems(shape);
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = windowApplication(state, first);
        if (!app) {
            return;
        }
        state.ResumeTiming();
        const auto rs = shape.fuzzy
                            ? app->CompositionFuzzySearch(0, criteria, kFuzzyWanted, kFuzzyMaxTolerance)
                            : app->CompositionSearch(0, criteria);
        QStandardItemModel model;
        for (; rs && !rs->eof(); rs->moveNext()) {
            QList<QStandardItem*> cells;
            for (const char* field :
                 {"Bezeichnung", "Id_Stahl", "Id_Stahlbez", "Id_StahlbezVorkommen", "Kennung"}) {
                cells.append(new QStandardItem(
                    QString::fromStdString(orvik::common::Helper::CVarStr(rs->field(field)))));
            }
            model.appendRow(cells);
        }
        rows = model.rowCount();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addSearchWindowCases() {
    static const Shape shapes[] = {
        {"window_composition_3_outside", false, 3, CompositionSearchMethod::Outside, false, 5632},
        {"window_composition_3_inside", true, 3, CompositionSearchMethod::Inside, false, 17},
        {"window_composition_8_outside", true, 8, CompositionSearchMethod::Outside, false, 4342},
        {"window_composition_fuzzy_20_hits", true, 3, CompositionSearchMethod::Inside, true, 22}};
    for (const Shape& shape : shapes) {
        const double target = shape.fuzzy ? 500 : 150;
        for (const bool first : {false, true}) {
            const std::string name = std::string(shape.name) + (first ? "_first" : "");
            addCase(
                name, [&shape, first](benchmark::State& s) { windowSearch(s, shape, first); },
                Target{first ? std::max(target, 300.0) : target, std::nullopt, true, 10}, shape.rows);
            addCase(
                name + "_floor", [&shape, first](benchmark::State& s) { windowSearchFloor(s, shape, first); },
                std::nullopt, shape.rows, 10);
        }
    }
}

} // namespace bench
