#pragma once

#include "PropertyTestSupport.h"

#include <QObject>
#include <memory>

namespace controls {
class Grid;
}
namespace orvik::objects {
class CombinationResultBuilder;
class List;
} // namespace orvik::objects
namespace property {
class uctlPropertySearch;
}

namespace propertytest {

/// The page wired as the main window wires it, shown, with the lists filled; criteria are entered
/// through the editors the grid shows over its cells.
struct PanelFixture {
    explicit PanelFixture(const std::string& materialsScript = {});
    ~PanelFixture();
    PanelFixture(const PanelFixture&) = delete;
    PanelFixture& operator=(const PanelFixture&) = delete;

    [[nodiscard]] controls::Grid& criteria() const;
    [[nodiscard]] controls::Grid& hits() const;
    [[nodiscard]] controls::Grid& details() const;
    /// The editor shown over the current cell, or nullptr.
    [[nodiscard]] QWidget* editor() const;
    void enter(int row, int col) const;
    /// Chooses the entry with that key in the cell's choice list.
    [[nodiscard]] bool choose(int row, int col, int key) const;
    [[nodiscard]] bool type(int row, int col, const QString& text) const;
    /// Enter in the number editor: the row below, appended when needed.
    void nextRow() const;
    [[nodiscard]] QStringList hitDesignations() const;
    /// The first column of the detail grid, row by row.
    [[nodiscard]] QString detailText() const;

    Program program;
    std::shared_ptr<orvik::objects::CombinationResultBuilder> builder;
    std::shared_ptr<orvik::objects::List> list;
    std::unique_ptr<property::uctlPropertySearch> panel;
};

class PropertySearchPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void findsTheSteelsMeetingBothRanges_data();
    void findsTheSteelsMeetingBothRanges();
    void noHitsLeaveTheListEmpty();
    void aFailedSearchTellsItsReason();
    void refusesCellsThatAreNoPlainNumbers_data();
    void refusesCellsThatAreNoPlainNumbers();
    void entryRules();
    void aLayoutThatFailsToLoadServesTheWholeSearch();
    void aClickOpensTheChoiceListLitWhileItHasTheFocus();
    void languageSwitchKeepsTheCriteria();
    void theHitsTablesFollowALanguageSwitch();
    void clearingTheListAsksAboutTheCriteriaOfThisPage();
    void everyCaptionFitsInEveryLanguage();

private:
    static void enterAndRemove(PanelFixture& f, int row);
};

} // namespace propertytest
