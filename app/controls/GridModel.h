#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace controls {

/// How a cell's text and picture sit in it, by the codes the windows use: 0 left-top, 1 left-centre,
/// 2 left-bottom, 3 centre-top, 4 centre-centre, 5 centre-bottom, 6 right-top, 7 right-centre,
/// 8 right-bottom, 9 general (left for text, right for numbers).
enum class CellAlign {
    LeftTop = 0,
    LeftCenter = 1,
    LeftBottom = 2,
    CenterTop = 3,
    CenterCenter = 4,
    CenterBottom = 5,
    RightTop = 6,
    RightCenter = 7,
    RightBottom = 8,
    General = 9
};

[[nodiscard]] Qt::Alignment toQtAlignment(CellAlign align);

/// Whether equal neighbouring texts of the rows marked for merging show as one cell.
enum class MergeMode { Never, Free, WithinRows };

enum class SortOrder {
    /// Numbers as numbers when both texts are numbers, else texts without regard to case.
    GenericAscending,
    GenericDescending,
    NumericAscending,
    NumericDescending,
    /// Texts without regard to case.
    StringAscending,
    StringDescending,
    /// The comparison handed to sortCustom.
    Custom
};

/// The cells of the grid as one flat table: rows by number from 0, the fixed (heading) rows and
/// columns counted in. A row is a vector of texts that stays empty until one of its cells gets a text,
/// so that setting the row count to a large figure costs little and the owner fills rows as they come
/// into sight. Per-cell formats (alignment, bold, colours, picture) are kept the same way.
///
/// Owned by its grid (or a test); the view only reads it. Out-of-range cells read as empty and
/// writes to them are ignored, as nothing the windows do relies on an error there.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// Extra roles the grid's painter reads.
    enum Role {
        FixedRole = Qt::UserRole + 1, ///< bool: a heading cell
        PictureRole,                  ///< QPixmap
        PictureAlignmentRole,         ///< int, a CellAlign code
    };

    /// A horizontal run of cells shown as one.
    struct Span {
        int row = 0;
        int col = 0;
        int cols = 1;
        friend bool operator==(const Span&, const Span&) = default;
    };

    /// Compares two rows by their numbers as they stand before the sort: negative, 0 or positive.
    using RowCompare = std::function<int(int row1, int row2)>;

    explicit GridModel(QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The separator by which texts are numbers (for sorting and general alignment); the user's
    /// (platform::UserLocale) unless set.
    [[nodiscard]] const std::string& decimalSeparator() const { return m_decimalSeparator; }
    void setDecimalSeparator(std::string separator);

    [[nodiscard]] int rows() const { return static_cast<int>(m_rows.size()); }
    /// Appends empty rows or cuts rows off the end.
    void setRows(int rows);
    [[nodiscard]] int cols() const { return m_cols; }
    void setCols(int cols);
    [[nodiscard]] int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    [[nodiscard]] int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int cols);

    [[nodiscard]] QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    /// Adds a row whose cells are the tab-separated parts of the text, at the end or before a row.
    void addItem(const QString& tabbedText, int beforeRow = -1);
    void removeItem(int row);
    /// Empties the text and format of every cell; the rows and columns stay.
    void clear();

    [[nodiscard]] CellAlign colAlignment(int col) const;
    void setColAlignment(int col, CellAlign align);
    /// The cell's own alignment, else its column's.
    [[nodiscard]] CellAlign cellAlignment(int row, int col) const;
    void setCellAlignment(int row, int col, CellAlign align);
    [[nodiscard]] bool cellBold(int row, int col) const;
    void setCellBold(int row, int col, bool bold);
    /// An invalid colour means the grid's own.
    [[nodiscard]] QColor cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& color);
    [[nodiscard]] QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor& color);
    [[nodiscard]] QPixmap cellPicture(int row, int col) const;
    void setCellPicture(int row, int col, const QPixmap& picture);
    [[nodiscard]] CellAlign cellPictureAlignment(int row, int col) const;
    void setCellPictureAlignment(int row, int col, CellAlign align);

    [[nodiscard]] MergeMode mergeCells() const { return m_mergeMode; }
    void setMergeCells(MergeMode mode);
    [[nodiscard]] bool mergeRow(int row) const;
    void setMergeRow(int row, bool merge);
    /// The runs of equal, non-empty neighbouring texts in the rows marked for merging. Columns for
    /// which isShown answers false (hidden ones) neither break nor start a run.
    [[nodiscard]] std::vector<Span> mergedSpans(const std::function<bool(int col)>& isShown) const;

    /// Orders the rows below the fixed rows by the column (ignored for Custom), keeping rows that
    /// compare equal in their order. Every cell moves with its row, hidden key columns included.
    void sort(SortOrder order, int col);
    void sortCustom(const RowCompare& compare);

    /// The first row from startRow on whose cell in the column holds the text (whole text, without
    /// regard to case unless asked); -1 when none.
    [[nodiscard]] int findRow(const QString& text, int startRow, int col, bool caseSensitive = false) const;

signals:
    /// The texts or merge marks changed in a way that may change the merged spans.
    void spansChanged();

private:
    struct CellFormat {
        int alignment = -1; // -1: the column's
        bool bold = false;
        QColor fore;
        QColor back;
        QPixmap picture;
        int pictureAlignment = static_cast<int>(CellAlign::CenterCenter);
    };
    struct Row {
        // Both empty until a cell is written or formatted, and shorter than the column count when
        // that grew since: the missing cells read as empty.
        std::vector<QString> cells;
        std::vector<CellFormat> formats;
        bool merge = false;
    };

    [[nodiscard]] bool valid(int row, int col) const;
    [[nodiscard]] const CellFormat* format(int row, int col) const;
    CellFormat* formatForWrite(int row, int col);
    void cellChanged(int row, int col, int role);
    void reorder(const std::vector<int>& order);
    [[nodiscard]] std::vector<int> sortedOrder(const RowCompare& compare) const;

    std::vector<Row> m_rows;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    std::vector<int> m_colAlignment;
    MergeMode m_mergeMode = MergeMode::Never;
    std::string m_decimalSeparator;
};

} // namespace controls
