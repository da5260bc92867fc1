#pragma once

// What a user sees cut off in a grid: the texts of its shown cells that their cells are too small
// for.

#include "Grid.h"

#include <QString>
#include <QStringList>

namespace apptest {

/// The cut texts, each once, joined by " | "; empty when every text of the grid reads whole.
[[nodiscard]] inline QString cutCells(controls::Grid& grid) {
    QStringList cut;
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int col = 0; col < grid.Cols(); ++col) {
            if (!grid.RowHidden(row) && !grid.ColHidden(col) && grid.cellTextCut(row, col)) {
                cut << grid.TextMatrix(row, col);
            }
        }
    }
    cut.removeDuplicates();
    return cut.join(QStringLiteral(" | "));
}

} // namespace apptest
