#pragma once

#include <QColor>
#include <QWidget>
#include <string>

namespace controls {
class Grid;
enum class CellAlign;
} // namespace controls
namespace orvik::objects {
class Property;
class PropertyBag;
} // namespace orvik::objects
namespace shell::contract {
class DialogLanguage;
class ErrorWindow;
} // namespace shell::contract

namespace display {

/// The property tables of one or more property bags (`grdProperties`): per bag its kind and standard
/// as title rows, the column headings the values need, the values grouped under their product form,
/// status and property name, and the bag's footnotes below. Read-only. The host calls Init, then
/// ShowProperties once per bag (each below the one before), then ShowScrollBar.
///
/// Texts come from the language relay's text service. A failure while a bag is written is shown in
/// the error window given (module uctlPropertyViewGrid); the rows written so far stay.
class uctlPropertyViewGrid : public QWidget {
    Q_OBJECT

public:
    /// The columns of a value row.
    enum Column {
        Dimension,
        Value,
        Unit,
        Specimen,
        Temperature,
        Spare,
        Cooling,
        Duration,
        DurationUnit,
        Classification,
        Footnotes,
        Filler,
        ColumnCount
    };

    explicit uctlPropertyViewGrid(QWidget* parent = nullptr);
    ~uctlPropertyViewGrid() override;

    void setDialogLanguage(shell::contract::DialogLanguage* relay) { m_language = relay; }
    void setErrorWindow(shell::contract::ErrorWindow* errors) { m_errors = errors; }
    void SetHelpContextId(int id) { m_helpContextId = id; }
    [[nodiscard]] int helpContextId() const noexcept { return m_helpContextId; }
    /// One empty row of 12 columns.
    void Init();
    /// Appends the bag's table below what is shown.
    void ShowProperties(const orvik::objects::PropertyBag& bag);
    /// Writes the text across the whole row; a text wider than the grid makes the row taller.
    void ShowValueInMergedRow(const QString& text, int row, bool bold = false,
                              const QColor& foreground = Qt::black, const QColor& background = Qt::white);
    /// Appends a row with the footnote's symbol and text.
    void AddFootnoteAtBottom(const QString& sSymbol, const QString& sFootnote);
    /// Fits the columns; both scroll bars when they fill the width.
    void ShowScrollBar();
    /// Shows the top left of the tables.
    void scrollToStart();

    [[nodiscard]] controls::Grid& grid() const noexcept { return *m_grid; }

signals:
    /// Every mouse move over the grid: button and shift codes, position in twips.
    void MouseMove(int button, int shift, int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int ShowStandardHeadlines(int row, const orvik::objects::PropertyBag& bag);
    int ShowColumnHeadlines(const orvik::objects::PropertyBag& bag, int row);
    void SetCellText(const QString& text, controls::CellAlign alignment, int row, int col);
    void ShowValueRange(const orvik::objects::Property& property, int row);
    void writeValueRow(const orvik::objects::Property& property, int row);
    void FitColumnWidths();
    /// Whether a row that is not merged has a text in the column.
    [[nodiscard]] bool hasValues(int col) const;
    /// Makes each merged row (titles, groups, footnotes) as tall as its text wrapped across the row.
    void fitMergedRows();
    /// One more row at the end; the new row count.
    int addRow();
    [[nodiscard]] QString text(int id) const;

    shell::contract::DialogLanguage* m_language = nullptr;
    shell::contract::ErrorWindow* m_errors = nullptr;
    controls::Grid* m_grid = nullptr; // owned by this widget
    int m_helpContextId = 0;
};

} // namespace display
