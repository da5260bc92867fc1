#pragma once

#include "shell/contract/ActivatedMaterial.h"

#include <QWidget>
#include <memory>

class QTableView;

namespace orvik::objects {
class Application;
}
namespace platform::db {
class Recordset;
}
namespace shell::contract {
class DialogLanguage;
}

namespace display {

class MaterialListModel;

/// The list of designations of a search result (`grdMaterials`), one row per occurrence of a
/// designation in a country, in the order of the result set. The user finds a row by typing the start
/// of a designation, the host positions it on an occurrence, and a double click or Enter reports the
/// row as the chosen steel. Hosted by the designation selection page (ListType 0: designation only)
/// and the composition search (ListType 1: with the material number and a tooltip over the current
/// row).
///
/// Rows are read from the result set as they come into sight. The result set belongs to the host;
/// the list only reads it. Nothing here throws; a missing result set is an empty list.
class uctlMaterialList : public QWidget {
    Q_OBJECT

public:
    explicit uctlMaterialList(QWidget* parent = nullptr);
    ~uctlMaterialList() override;

    void setApplication(std::shared_ptr<orvik::objects::Application> application);
    void setStatusBarText(const QString& text) { m_statusBarText = text; }
    void setDialogLanguage(shell::contract::DialogLanguage* relay) { m_language = relay; }
    /// Not shown until Show.
    void setItems(std::shared_ptr<platform::db::Recordset> items) { m_items = std::move(items); }
    [[nodiscard]] const std::shared_ptr<platform::db::Recordset>& Items() const noexcept { return m_items; }
    /// Lays the columns out for the type and starts unhighlighted.
    void setListType(int listType);
    [[nodiscard]] int ListType() const noexcept { return m_listType; }
    /// Lays the columns out again for the list's present width; rows and highlight stay as they are.
    void layoutColumns();
    /// Rows in the list.
    [[nodiscard]] int Count() const;
    /// The current row; -1 without one.
    [[nodiscard]] int CurrentPos() const;
    /// Makes the occurrence's row the top and current row and reports it highlighted; an id that is
    /// not in the list turns the highlight off and reports nothing.
    void SelectDesignation(const QString& designationCountryId);
    void ClearList();
    /// Shows Items from their first record.
    void Show();
    void SelectFirstItem();
    /// Moves to the first designation that starts with the text (blanks removed; its wildcards act
    /// as wildcards); false, with the status text of an unsuccessful search, when there is none.
    bool Search(const QString& sSearch);

    /// Whether rows are shown selected.
    [[nodiscard]] bool highlighted() const noexcept { return m_highlight; }
    [[nodiscard]] QTableView* grid() const noexcept { return m_grid; }
    [[nodiscard]] MaterialListModel& model() const noexcept { return *m_model; }

signals:
    void MaterialSelected(const shell::contract::ActivatedMaterial& material);
    void MaterialHighlited(const shell::contract::ActivatedMaterial& material);
    void DisplayStatusBarText(const QString& text);
    void HideToolTip();
    void DisplayToolTip(const QString& text, int position);
    /// The list's records could not be read (a damaged database): the error's number and description.
    void ReadFailed(std::int32_t number, const QString& description);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setHighlight(bool on);
    void moveTo(int row);
    void select();
    void currentRowChanged();
    void mouseMoved(int y);

    std::shared_ptr<orvik::objects::Application> m_application;
    shell::contract::DialogLanguage* m_language = nullptr;
    std::shared_ptr<platform::db::Recordset> m_items;
    QString m_statusBarText;
    int m_listType = 0;
    bool m_highlight = false;
    QTableView* m_grid = nullptr;         // owned by this widget
    MaterialListModel* m_model = nullptr; // owned by this widget
};

} // namespace display
