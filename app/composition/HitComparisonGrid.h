#pragma once

#include "Grid.h"
#include "HitComparison.h"

namespace composition {

/// The grid `grdTreffer` of the composition search panel: the analysis of the highlighted hit
/// beside the criteria, with the deviations at both limits in per cent, red where the hit leaves
/// the wanted range, and a mark where an element was not searched for. Two heading rows whose
/// captions the text service sets. Owned by its panel.
class HitComparisonGrid : public controls::Grid {
    Q_OBJECT

public:
    explicit HitComparisonGrid(QWidget* parent = nullptr);

    /// The advanced instance hides the single value.
    void setAdvanced(bool advanced);
    /// Back to the two heading rows.
    void Reset();
    void ShowRows(const std::vector<HitRow>& rows, bool hasOthers);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutColumns();

    QPixmap m_mark;
    bool m_advanced = false;
    bool m_hasOthers = false;
};

} // namespace composition
