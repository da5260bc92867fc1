#pragma once

#include "GridDelegate.h"
#include "GridModel.h"
#include "common/qt/LanguageCaptions.h"

#include <QTableView>
#include <vector>

namespace controls {

enum class ScrollBars { None, Horizontal, Vertical, Both };

/// How the user selects: cell ranges, ranges of whole rows, or whole rows one by one as in a list box
/// (Ctrl and Shift add to the selection).
enum class GridSelection { Free, ByRow, ListBox };

/// The grid every table of the program uses: a flat model of text cells (GridModel) shown by a
/// QTableView, addressed as the windows address it. Rows and columns count from 0 with the fixed
/// (heading) rows and columns included: with one fixed row, row 0 is the heading and data begin at
/// row 1. Fixed rows stay at the top while the rest scrolls (an overlay view shows them in the place
/// of the header) and are shaded; fixed columns are shaded but scroll. Lengths are in twips.
///
/// A column of width 0 is hidden: the windows keep the keys of their rows there. Rows marked for
/// merging show equal neighbouring texts as one cell. The current cell (Row, Col) may be a heading
/// cell when the window sets it so; the user can only make a data cell current.
///
/// The model holds every row at once and fills nothing it is not given, so 100,000 rows show and
/// scroll as fast as 100. Owned by its parent widget; the model belongs to the grid.
class Grid : public QTableView, public orvik::common::qt::GridCaptions {
    Q_OBJECT

public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    /// The cells, for owners that fill many at once.
    [[nodiscard]] GridModel& cells() { return m_model; }
    [[nodiscard]] const GridModel& cells() const { return m_model; }

    // Size
    [[nodiscard]] int Rows() const { return m_model.rows(); }
    void setRows(int rows);
    [[nodiscard]] int Cols() const { return m_model.cols(); }
    void setCols(int cols);
    [[nodiscard]] int FixedRows() const { return m_model.fixedRows(); }
    void setFixedRows(int rows);
    [[nodiscard]] int FixedCols() const { return m_model.fixedCols(); }
    void setFixedCols(int cols);
    /// Adds a row whose cells are the tab-separated parts of the text, at the end or before a row.
    void AddItem(const QString& text, int beforeRow = -1);
    void RemoveItem(int row);
    /// Empties every cell (text and format); rows and columns stay.
    void Clear();

    // Cells
    [[nodiscard]] QString TextMatrix(int row, int col) const { return m_model.text(row, col); }
    void setTextMatrix(int row, int col, const QString& text) { m_model.setText(row, col, text); }
    /// The current cell; -1 when the grid has no rows (or columns). Setting the row to -1 leaves no
    /// current cell and no selection.
    [[nodiscard]] int Row() const { return m_row; }
    void setRow(int row);
    [[nodiscard]] int Col() const { return m_col; }
    void setCol(int col);
    [[nodiscard]] CellAlign CellAlignment() const { return m_model.cellAlignment(m_row, m_col); }
    void setCellAlignment(CellAlign align) { m_model.setCellAlignment(m_row, m_col, align); }
    [[nodiscard]] bool CellFontBold() const { return m_model.cellBold(m_row, m_col); }
    void setCellFontBold(bool bold) { m_model.setCellBold(m_row, m_col, bold); }
    [[nodiscard]] QColor CellForeColor() const { return m_model.cellForeColor(m_row, m_col); }
    void setCellForeColor(const QColor& color) { m_model.setCellForeColor(m_row, m_col, color); }
    [[nodiscard]] QColor CellBackColor() const { return m_model.cellBackColor(m_row, m_col); }
    void setCellBackColor(const QColor& color) { m_model.setCellBackColor(m_row, m_col, color); }
    [[nodiscard]] QPixmap CellPicture() const { return m_model.cellPicture(m_row, m_col); }
    void setCellPicture(const QPixmap& picture) { m_model.setCellPicture(m_row, m_col, picture); }
    [[nodiscard]] CellAlign CellPictureAlignment() const {
        return m_model.cellPictureAlignment(m_row, m_col);
    }
    void setCellPictureAlignment(CellAlign align) { m_model.setCellPictureAlignment(m_row, m_col, align); }
    /// Where the current cell (a merged run as a whole) lies within the grid, in twips; an editor is
    /// laid over it at the grid's position plus these.
    [[nodiscard]] int CellLeft() const { return cellRectTwips().x(); }
    [[nodiscard]] int CellTop() const { return cellRectTwips().y(); }
    [[nodiscard]] int CellWidth() const { return cellRectTwips().width(); }
    [[nodiscard]] int CellHeight() const { return cellRectTwips().height(); }
    /// The same in pixels within the grid, for laying an editor over the cell.
    [[nodiscard]] QRect cellRect() const;

    // Rows and columns
    /// 0 for a hidden column.
    [[nodiscard]] int ColWidth(int col) const;
    /// A width of 0 (or less) hides the column.
    void setColWidth(int col, int twips);
    [[nodiscard]] bool ColHidden(int col) const;
    void setColHidden(int col, bool hidden);
    [[nodiscard]] CellAlign ColAlignment(int col) const { return m_model.colAlignment(col); }
    void setColAlignment(int col, CellAlign align) { m_model.setColAlignment(col, align); }
    [[nodiscard]] int RowHeight(int row) const;
    void setRowHeight(int row, int twips);
    [[nodiscard]] int RowHeightMin() const { return m_rowHeightMin; }
    void setRowHeightMin(int twips);
    /// Fits the columns from col1 to col2 to their widest text (cells of merged runs and hidden
    /// columns left out).
    void AutoSize(int col1, int col2);
    /// The width in twips a column needs to show the cell's text on one line (its longest line, in
    /// bold where the cell is bold), as AutoSize fits it; 0 for an empty cell.
    [[nodiscard]] int cellTextWidth(int row, int col) const;
    /// Whether the cell as shown (a merged run as a whole) is too small for its text: too narrow, or
    /// with word wrap too low for its lines. A cut cell shows its whole text as its tooltip.
    [[nodiscard]] bool cellTextCut(int row, int col);

    // Position
    /// The row and column under the mouse; -1 when it is over none.
    [[nodiscard]] int MouseRow() const { return m_mouseRow; }
    [[nodiscard]] int MouseCol() const { return m_mouseCol; }
    /// The top of a row within the grid, in twips (negative or beyond the height when scrolled away).
    [[nodiscard]] int RowPos(int row) const;
    [[nodiscard]] bool RowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    /// Whether the whole row is in sight.
    [[nodiscard]] bool RowIsVisible(int row) const;
    /// The first data row in sight; setting it scrolls as far as the grid allows.
    [[nodiscard]] int TopRow() const;
    void setTopRow(int row);
    [[nodiscard]] int LeftCol() const;

    // Merging
    [[nodiscard]] MergeMode MergeCells() const { return m_model.mergeCells(); }
    void setMergeCells(MergeMode mode) { m_model.setMergeCells(mode); }
    [[nodiscard]] bool MergeRow(int row) const { return m_model.mergeRow(row); }
    void setMergeRow(int row, bool merge) { m_model.setMergeRow(row, merge); }
    /// How many columns the cell spans as shown (1 when it is not merged).
    [[nodiscard]] int ColSpan(int row, int col);

    // Sorting
    /// Sorts the data rows by the column, or with the comparison set by setCompare for Custom. The
    /// current cell stays at its row and column numbers.
    void Sort(SortOrder order, int col = 0);
    void setCompare(GridModel::RowCompare compare) { m_compare = std::move(compare); }

    // Selection and search
    /// Makes (row1, col1) current and selects the range up to (row2, col2); -1 means the same as 1.
    void Select(int row1, int col1, int row2 = -1, int col2 = -1);
    /// The rows with a selected cell, in ascending order.
    [[nodiscard]] std::vector<int> SelectedRows() const;
    [[nodiscard]] int FindRow(const QString& text, int startRow = -1, int col = 0,
                              bool caseSensitive = false) const {
        return m_model.findRow(text, startRow, col, caseSensitive);
    }
    [[nodiscard]] HighLight highLight() const { return m_delegate->highLight(); }
    void setHighLight(HighLight mode);
    [[nodiscard]] GridSelection selection() const { return m_selection; }
    void setSelection(GridSelection mode);
    [[nodiscard]] controls::ScrollBars scrollBars() const { return m_scrollBars; }
    void setScrollBars(controls::ScrollBars bars);

    // What the text service sets: the heading texts.
    [[nodiscard]] int captionRows() const override { return Rows(); }
    [[nodiscard]] int captionCols() const override { return Cols(); }
    [[nodiscard]] int captionFixedRows() const override { return FixedRows(); }
    [[nodiscard]] QString captionText(int row, int col) const override { return TextMatrix(row, col); }
    void setCaptionText(int row, int col, const QString& text) override { setTextMatrix(row, col, text); }
    [[nodiscard]] int captionColWidth(int col) const override;

signals:
    void Click();
    void DblClick();
    /// Key codes and shift states as in KeyCodes.h.
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    /// Button and shift codes as in KeyCodes.h; x and y in twips within the grid.
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    /// The current cell changed (by the user or the window); EnterCell follows.
    void RowColChange();
    void EnterCell();
    void AfterScroll(int oldTopRow, int oldLeftCol, int newTopRow, int newLeftCol);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    /// The tooltip of the cell under a help event of the view: the whole text of a cut cell.
    void showCutText(const QTableView& view, const QHelpEvent& event);
    void structureChanged();
    void syncFixedRows();
    void syncCurrent();
    void scheduleSpans();
    void applySpans();
    void scrolled();
    void trackMouse(const QAbstractItemView& view, const QPoint& viewportPos);
    void updateRowSizes();
    void changeCurrent(int row, int col);
    void clearCurrent();
    [[nodiscard]] QRect cellRectTwips() const;
    [[nodiscard]] int firstShownCol() const;

    GridModel m_model;
    GridDelegate* m_delegate = nullptr; // owned by this widget
    QTableView* m_fixed = nullptr;      // the fixed rows; owned by this widget
    GridModel::RowCompare m_compare;
    GridSelection m_selection = GridSelection::Free;
    controls::ScrollBars m_scrollBars = controls::ScrollBars::Both;
    int m_row = -1;
    int m_col = -1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    int m_rowHeightMin = 0;
    int m_hiddenFixed = 0; // rows hidden in the main view because they are fixed
    int m_lastTop = -1;
    int m_lastLeft = -1;
    bool m_syncing = false;
    bool m_noCurrent = false; // the window set the row to -1
    bool m_spansDirty = false;
};

} // namespace controls
