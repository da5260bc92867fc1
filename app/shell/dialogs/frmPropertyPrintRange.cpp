#include "frmPropertyPrintRange.h"

#include "DialogSupport.h"
#include "objects/Material.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace shell::dialogs {

namespace {

using orvik::common::TextID;

constexpr int IdRole = Qt::UserRole;
constexpr int OrderRole = Qt::UserRole + 1;

// The property group of a list: 1 heat treatment, 2 mechanical, 3 physical.
std::int32_t propertyGroup(std::int32_t dialogType) {
    switch (dialogType) {
    case 1:
        return 3;
    case 2:
        return 1;
    case 3:
        return 2;
    default:
        return 0;
    }
}

} // namespace

frmPropertyPrintRange::frmPropertyPrintRange(QWidget* parent, contract::DialogLanguage* language,
                                             platform::qt::MessageBoxes* messages,
                                             std::shared_ptr<orvik::objects::Material> material,
                                             std::int32_t DialogType, Items& PrintItems, bool PrintAll)
    : QDialog(parent), m_messages(messages), m_language(language), m_printItems(PrintItems),
      m_printAll(PrintAll) {
    setObjectName(QStringLiteral("frmPropertyPrintRange"));
    auto* layout = new QVBoxLayout(this);
    m_headline = new QLabel(
        QStringLiteral("Bitte wählen Sie die Normen, deren Eigenschaften gedruckt werden sollen"), this);
    nameControl(*m_headline, "lblHeadline");
    m_headline->setWordWrap(true);
    layout->addWidget(m_headline);
    const char* const options[] = {"Alle", "Nur markierte Eintrage"};
    for (int i = 0; i < 2; ++i) {
        m_options[i] = new QRadioButton(QString::fromUtf8(options[i]), this);
        nameControl(*m_options[i], "optRange", i);
        layout->addWidget(m_options[i]);
        connect(m_options[i], &QRadioButton::toggled, this, &frmPropertyPrintRange::optionChanged);
    }
    m_frame = new QGroupBox(this);
    nameControl(*m_frame, "fraSelection");
    auto* grid = new QGridLayout(m_frame);
    auto* left = new QLabel(QStringLiteral("Einträge markieren"), m_frame);
    nameControl(*left, "Label1");
    auto* right = new QLabel(QStringLiteral("Einträge zum Drucken"), m_frame);
    nameControl(*right, "Label2");
    grid->addWidget(left, 0, 0);
    grid->addWidget(right, 0, 2);
    const char* const moves[] = {">> Hinzufügen", "<< Entfernen"};
    auto* buttons = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        m_grids[i] = new QListWidget(m_frame);
        nameControl(*m_grids[i], "grdItems", i);
        m_grids[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_grids[i]->setMinimumSize(231, 173);
        grid->addWidget(m_grids[i], 1, i * 2);
        connect(m_grids[i], &QListWidget::itemSelectionChanged, this,
                &frmPropertyPrintRange::updateMoveButtons);
        m_move[i] = new QPushButton(QString::fromUtf8(moves[i]), m_frame);
        nameControl(*m_move[i], "cmdMove", i);
        buttons->addWidget(m_move[i]);
        connect(m_move[i], &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
    }
    grid->addLayout(buttons, 1, 1);
    layout->addWidget(m_frame);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    nameControl(*ok, "cmdOk");
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &frmPropertyPrintRange::cmdOk_Click);

    adjustCaptions(m_language, *this);
    const bool standards = DialogType == 0;
    setWindowTitle(textOf(m_language, standards ? TextID::Normenauswahl : TextID::Eigenschaftenauswahl));
    const auto headline = textOf(m_language, standards ? TextID::Normenauswahl_Ueberschrift
                                                       : TextID::Eigenschaftenauswahl_Ueberschrift);
    if (!headline.isEmpty()) {
        m_headline->setText(headline);
    }
    if (material) {
        m_all = standards ? material->GetPropertyStandardList()
                          : material->GetPropertyList(propertyGroup(DialogType));
    }
    if (!m_all) {
        m_all = std::make_shared<Items>();
    }
    for (const auto& entry : *m_all) {
        addRow(m_printItems.exists(entry.key) ? 1 : 0, *entry.item);
    }
    sortGrid(0);
    sortGrid(1);
    m_options[0]->setChecked(m_printAll);
    m_options[1]->setChecked(!m_printAll);
    optionChanged();
}

QStringList frmPropertyPrintRange::ids(int grid) const {
    QStringList result;
    for (int row = 0; row < m_grids[grid]->count(); ++row) {
        result.push_back(m_grids[grid]->item(row)->data(IdRole).toString());
    }
    return result;
}

// A row goes into one list and leaves the other: an entry is never in both.
void frmPropertyPrintRange::addRow(int grid, const orvik::objects::ListItem& entry) {
    const auto id = QString::fromStdString(entry.id().asText());
    auto* row = new QListWidgetItem(QString::fromStdString(entry.Designation()));
    row->setData(IdRole, id);
    row->setData(OrderRole, entry.Order());
    m_grids[grid]->addItem(row);
    auto* other = m_grids[1 - grid];
    for (int i = other->count() - 1; i >= 0; --i) {
        if (other->item(i)->data(IdRole).toString() == id) {
            delete other->takeItem(i);
        }
    }
}

void frmPropertyPrintRange::sortGrid(int grid) {
    auto* list = m_grids[grid];
    std::vector<QListWidgetItem*> rows;
    while (list->count() > 0) {
        rows.push_back(list->takeItem(0));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const QListWidgetItem* a, const QListWidgetItem* b) {
        return a->data(OrderRole).toInt() < b->data(OrderRole).toInt();
    });
    for (auto* row : rows) {
        list->addItem(row);
    }
}

void frmPropertyPrintRange::cmdMove_Click(int index) {
    const int source = index;
    const int target = 1 - index;
    // The ids are taken first: moving changes the source list and its selection.
    QStringList chosen;
    for (const auto* row : m_grids[source]->selectedItems()) {
        chosen.push_back(row->data(IdRole).toString());
    }
    for (const auto& id : chosen) {
        if (const auto* entry = m_all->find(platform::Variant(id.toStdString()))) {
            addRow(target, **entry);
        }
    }
    m_grids[source]->setCurrentRow(-1);
    m_grids[target]->clearSelection();
    sortGrid(target);
    updateMoveButtons();
}

void frmPropertyPrintRange::optionChanged() {
    const bool marked = m_options[1]->isChecked();
    m_frame->setEnabled(marked);
    updateMoveButtons();
}

void frmPropertyPrintRange::updateMoveButtons() {
    const bool marked = m_options[1]->isChecked();
    for (int i = 0; i < 2; ++i) {
        m_move[i]->setEnabled(marked && !m_grids[i]->selectedItems().isEmpty());
    }
}

void frmPropertyPrintRange::cmdOk_Click() {
    if (m_options[0]->isChecked()) {
        m_printItems.removeAll();
        m_printAll = true;
        m_cancel = false;
        accept();
        return;
    }
    m_printAll = false;
    m_printItems.removeAll();
    for (const auto& id : ids(1)) {
        const platform::Variant key(id.toStdString());
        if (const auto* entry = m_all->find(key); entry != nullptr && !m_printItems.exists(key)) {
            m_printItems.add(key, *entry);
        }
    }
    if (m_printItems.count() == 0) {
        if (m_messages != nullptr) {
            m_messages->show(this,
                             textOf(m_language, TextID::Keine_Auswahl_Getroffen,
                                    QStringLiteral("Sie haben keine Auswahl getroffen.")),
                             programTitle(), platform::qt::MessageBoxes::Icon::Information,
                             platform::qt::MessageBoxes::Buttons::Ok);
        }
        return;
    }
    m_cancel = false;
    accept();
}

} // namespace shell::dialogs
