#pragma once

#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panel.h"

namespace controls {
class Grid;
}

namespace display {

/// The standard comparison of the steel shown (`grdNormenvergleich`): the comparable designations in
/// other countries and standards with country, designation, standard and material number. A click
/// shows the information about the row's standard as a tooltip; a double click makes that
/// designation the steel of the whole program, once, and the list is built anew after the click has
/// been handled.
class uctlStandardComparison : public shell::contract::Panel {
    Q_OBJECT

public:
    enum Column {
        SteelId,
        DesignationId,
        DesignationCountryId,
        DesignationType,
        StandardId,
        Country,
        Designation,
        Standard,
        MaterialNumber,
        Filler,
        ColumnCount
    };

    explicit uctlStandardComparison(QWidget* parent = nullptr);
    ~uctlStandardComparison() override;

    void Show() override;
    void Clear() override;
    [[nodiscard]] controls::Grid& grid() const noexcept { return *m_grid; }

protected:
    void languageChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitComparisonGrid();
    void ShowStandardInfo();
    void doubleClicked();
    void mouseMoved();
    [[nodiscard]] bool onDataRow() const;

    controls::Grid* m_grid = nullptr;
    int m_mouseRow = 0;
    bool m_shown = false;
};

} // namespace display
