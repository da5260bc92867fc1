#pragma once

#include "CompositionRows.h"
#include "ImageList.h"
#include "platform/Event.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;

namespace controls {
class Grid;
class ImageCombo;
class NumEntry;
} // namespace controls
namespace orvik::objects {
class Elements;
class List;
struct ChemicalCompostion;
} // namespace orvik::objects
namespace orvik::common {
class CompositionSearchItems;
enum class TextID : std::int32_t;
} // namespace orvik::common
namespace shell::contract {
class DialogLanguage;
}

namespace composition {

/// The grid in which the user writes down the analysis to search for: one row per element with a
/// minimum, a maximum or a single value and tolerances, and in the advanced grid the search method
/// ("inside": the steel's range holds the given one; "outside": it lies within it). The cells are
/// edited by an element list or field and number fields laid over the current cell. The rows live
/// in a CompositionRows; the grid shows them. Owned by its composition search panel; the List,
/// relay and services it is given must outlive it.
class uctlCompositionGrid : public QWidget {
    Q_OBJECT

public:
    /// Grid columns.
    enum Column {
        ColOrder,
        ColElement,
        ColMin,
        ColMax,
        ColSingle,
        ColTolMin,
        ColTolMax,
        ColPicture,
        ColMethod,
        ColCount
    };

    explicit uctlCompositionGrid(QWidget* parent = nullptr);
    ~uctlCompositionGrid() override;

    void setIsAdvanced(bool advanced);
    [[nodiscard]] bool IsAdvanced() const noexcept { return m_rows.advanced(); }
    /// The grid's row count, the heading row included.
    [[nodiscard]] int Count() const { return m_rows.count() + 1; }
    /// Its element list fills the element choice.
    void setList(std::shared_ptr<orvik::objects::List> list);
    /// The relay whose text service gives the messages and captions; the host calls applyCaptions
    /// after each language change.
    void setDialogLanguage(shell::contract::DialogLanguage* language) { m_language = language; }
    void applyCaptions();
    void setServices(const shell::contract::WindowServices& services) { m_services = services; }
    void setShift(int shift) { m_shift = shift; }
    [[nodiscard]] QString UserControlName() const { return QStringLiteral("uctlCompositionGrid"); }

    /// The element list of the selected country.
    void setElements(const orvik::objects::Elements& elements);
    [[nodiscard]] const std::vector<KnownElement>& elements() const noexcept { return m_known; }

    void AddEmptyRow();
    void Clear();
    /// Hides the editors, removes the rows without element and checks the rest.
    [[nodiscard]] bool isValid();
    void RemoveActiveRow();
    void Sort();
    [[nodiscard]] bool ValidateRows();
    /// Replaces the criteria by a steel's analysis.
    void ShowComposition(const orvik::objects::ChemicalCompostion& composition);
    [[nodiscard]] std::shared_ptr<orvik::common::CompositionSearchItems> GetCompositionSearchItems();
    /// Saves the rows with the three head values; false (reported) when the file could not be written.
    bool WriteFile(const QString& file, const QString& header1, const QString& header2,
                   const QString& header3);
    /// Adds the rows of an analysis read already, reporting the lines left out.
    void LoadRows(const Analysis& analysis);
    void ChangeElementEntry();

    [[nodiscard]] const CompositionRows& rows() const noexcept { return m_rows; }
    [[nodiscard]] controls::Grid& grid() const { return *m_grid; }
    /// Lays the editor of the cell over it and gives it the focus.
    void editCell(int row, int col);

signals:
    void CompositionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QString text(orvik::common::TextID id) const;
    void message(const QString& text);
    void render();
    void layoutColumns();
    void hideEditors();
    [[nodiscard]] std::vector<QWidget*> editors() const;
    /// The current cell's place in this widget, where its editor stands.
    [[nodiscard]] QRect currentCell() const;
    void showEditor();
    void commitNumber(int index);
    void commitChosenElement(int index);
    /// Writes the typed element into its row; false (with the message) when it is refused.
    [[nodiscard]] bool commitTypedElement();
    void commitMethod(const QString& key);
    void moveNext(bool forward);
    [[nodiscard]] int lastVisibleCol() const;
    [[nodiscard]] int dataRow() const;
    void changed();

    CompositionRows m_rows;
    std::vector<KnownElement> m_known;
    controls::Grid* m_grid = nullptr;                  // owned by this widget
    QComboBox* m_cboElement = nullptr;                 // owned by this widget
    QLineEdit* m_txtElement = nullptr;                 // owned by this widget
    std::array<controls::NumEntry*, 5> m_txtItem{};    // owned by this widget
    controls::ImageCombo* m_cboSearchMethod = nullptr; // owned by this widget
    QLineEdit* m_txtWorkaround1 = nullptr;             // owned by this widget
    controls::ImageList m_images;
    std::shared_ptr<orvik::objects::List> m_list;
    platform::Subscription m_elementsAvailable;
    QPointer<shell::contract::DialogLanguage> m_language;
    shell::contract::WindowServices m_services;
    int m_shift = 0;
    int m_editRow = -1;
    int m_editCol = -1;
    bool m_loading = false;
};

} // namespace composition
