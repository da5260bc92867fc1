#pragma once

#include "Grid.h"

namespace orvik::objects {
class PropertyBag;
}

namespace property {

/// The property tables of a search hit, drawn into one grid: per table a title row with the kind of
/// property and the standard, then one row per value with its name and range. It offers what the
/// panel calls on the property view grid of the display panels (Init, ShowProperties per table,
/// ShowScrollBar), so that grid can take its place. Owned by its parent widget.
class PropertyDetailsGrid : public controls::Grid {
    Q_OBJECT

public:
    explicit PropertyDetailsGrid(QWidget* parent = nullptr);

    /// Empties the grid.
    void Init();
    /// Appends the table below the previous one.
    void ShowProperties(const orvik::objects::PropertyBag& bag);
    /// Fits the columns to what they show.
    void ShowScrollBar();

private:
    void appendTitle(const QString& text);
};

} // namespace property
