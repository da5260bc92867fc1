#pragma once

#include "objects/ListItem.h"
#include "objects/Material.h"

#include <QDialog>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace platform::qt {
class MessageBoxes;
}

namespace shell::contract {
class DialogLanguage;
}

namespace shell::dialogs {

/// Restricts one list of the data sheet: the standards whose property tables are printed
/// (DialogType 0) or the properties of one group (1 heat treatment, 2 mechanical, 3 physical). The
/// steel's entries stand in the left list, those chosen for printing in the right one, each in the
/// entries' order; the move buttons take the rows selected when pressed, each once. "Ok" writes the
/// choice into the keyed list handed in (key: the entry's id) and sets PrintAll. The print settings
/// dialog makes one per "..." button.
class frmPropertyPrintRange : public QDialog {
    Q_OBJECT

public:
    using Items = orvik::objects::Material::ListItems_t;

    frmPropertyPrintRange(QWidget* parent, contract::DialogLanguage* language,
                          platform::qt::MessageBoxes* messages,
                          std::shared_ptr<orvik::objects::Material> material, std::int32_t DialogType,
                          Items& PrintItems, bool PrintAll);

    [[nodiscard]] bool Cancel() const noexcept { return m_cancel; }
    [[nodiscard]] bool PrintAll() const noexcept { return m_printAll; }
    /// The left (0) and right (1) list.
    [[nodiscard]] QListWidget& grdItems(int index) const { return *m_grids[index]; }
    [[nodiscard]] QRadioButton& optRange(int index) const { return *m_options[index]; }
    [[nodiscard]] QPushButton& cmdMove(int index) const { return *m_move[index]; }
    /// The ids of a list from top to bottom.
    [[nodiscard]] QStringList ids(int grid) const;

    void cmdMove_Click(int index);
    void cmdOk_Click();

private:
    void addRow(int grid, const orvik::objects::ListItem& item);
    void sortGrid(int grid);
    void optionChanged();
    void updateMoveButtons();

    platform::qt::MessageBoxes* m_messages;
    contract::DialogLanguage* m_language;
    Items& m_printItems;
    std::shared_ptr<Items> m_all;
    bool m_printAll;
    bool m_cancel = true;
    QListWidget* m_grids[2];
    QRadioButton* m_options[2];
    QPushButton* m_move[2];
    QGroupBox* m_frame;
    QLabel* m_headline;
};

} // namespace shell::dialogs
