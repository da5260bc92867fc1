#pragma once

#include "PropertySearchFilters.h"
#include "common/TextID.h"
#include "platform/Event.h"
#include "shell/contract/Panels.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace controls {
class Grid;
class NumEntry;
} // namespace controls
namespace orvik::objects {
class MaterialItems;
class PropertyMaskInit;
class PropertySearch;
class PropertySearchFields;
} // namespace orvik::objects

namespace display {
class uctlPropertyViewGrid;
}

namespace property {

/// The property search page: a criteria grid in which each row is one property with value ranges and
/// further choices, a country list, the hit list and the property tables of the current hit. The
/// grid's columns, widths and comparisons come from the search fields of the object model; the
/// filters of each row are built by PropertySearchFilters. Errors of the object model go to the error
/// window with this panel's name; messages to the user through the message boxes of the services.
/// Owned by the main window.
class uctlPropertySearch : public shell::contract::PropertySearchPanel {
    Q_OBJECT

public:
    explicit uctlPropertySearch(QWidget* parent = nullptr);
    ~uctlPropertySearch() override;

    void setList(std::shared_ptr<orvik::objects::List> list) override;
    void setShift(int shift) override { m_shift = shift; }

    void InitGrids() override;
    /// After the connection is open: the criteria grid's columns from the search fields.
    void Init() override;
    /// The criteria columns at the widths the search fields give them as shares of the grid, each
    /// widened as far as its captions and entries need.
    void InitSearchGrid();
    /// Fills the choice lists of the criteria grid.
    void InitFields() override;
    void ManualResize() override;
    void Search() override;
    /// Cuts the criteria back to one row and empties the hits and the details.
    void Clear() override;
    /// Makes the hit of that designation occurrence current; nothing when it is not listed.
    void SelectDesignation(const QString& idDesignationCountry) override;

protected:
    void languageAboutToChange() override;
    void languageChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum HitColumn { HitDesignation, HitMaterialNo, HitPosition, HitOrder, HitKey, HitColumns };

    [[nodiscard]] QString text(orvik::common::TextID id) const;
    void message(const QString& text, bool question = false);
    [[nodiscard]] bool ask(const QString& text);
    void reportError(const char* procedure, int number, const std::string& description);
    [[nodiscard]] std::shared_ptr<orvik::objects::PropertyMaskInit> mask();
    /// The layout of the criteria grid, read once per connection; nullptr while not connected.
    [[nodiscard]] std::shared_ptr<orvik::objects::PropertySearchFields> searchFields();
    /// The field of that criteria column, owned by the held layout; nullptr when it has none.
    [[nodiscard]] const orvik::objects::PropertySearchField* field(int column);

    // Criteria grid
    void enterCell();
    void hideEditors();
    void writeBackNumber(int index);
    void choiceChosen(int index);
    void deleteEntry();
    void clearList();
    void editorKey(int keyCode, int shift, const QWidget& editor);
    void removeEmptyRows();
    void sortCriteria();
    [[nodiscard]] bool checkData();
    [[nodiscard]] std::vector<CriterionRow> criterionRows() const;
    void setCriteria(const std::vector<CriterionRow>& rows);
    void appendEmptyCriterion();
    void showChoiceTexts();
    [[nodiscard]] QString columnHeading(int column) const;
    /// The least width (twips) each shown criteria column needs for its captions and entries.
    [[nodiscard]] std::vector<int> neededWidths(const std::vector<int>& shares) const;

    // Hits
    void runSearch();
    void fillHits();
    /// Forgets the last search with its hits and empties the hit list and the details.
    void dropHits();
    void ShowProperties();
    void openHit();
    void hitMouseMove();
    void enableSearch(bool enabled);

    QGroupBox* m_fraMechSuchen = nullptr;
    QLabel* m_lblMechSuchen = nullptr;
    QComboBox* m_cboMechLand = nullptr;
    QPushButton* m_cmdMechSuchen = nullptr;
    QPushButton* m_cmdMechEintragLoeschen = nullptr;
    QPushButton* m_cmdMechListeLoeschen = nullptr;
    controls::Grid* m_grdMechSuchen = nullptr;
    std::array<QComboBox*, 8> m_cboMechSuchen{};
    std::array<controls::NumEntry*, 10> m_txtMechSuchen{};
    QGroupBox* m_fraMechErgebnis = nullptr;
    controls::Grid* m_grdMechTrefferliste = nullptr;
    display::uctlPropertyViewGrid* m_grdResultDetails = nullptr;

    std::shared_ptr<orvik::objects::PropertyMaskInit> m_mask;
    std::shared_ptr<orvik::objects::PropertySearchFields> m_fields;
    std::shared_ptr<orvik::objects::PropertySearch> m_search;
    /// The search's failures go to the error window with their own reason.
    platform::Subscription m_searchErrors;
    std::shared_ptr<orvik::objects::MaterialItems> m_items;
    platform::Subscription m_countries;
    std::vector<CriterionRow> m_savedCriteria;
    int m_savedCountry = 0;
    int m_shift = 0;
    bool m_busy = false;
    bool m_ready = false;
    bool m_filling = false;
};

} // namespace property
