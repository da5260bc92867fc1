#include "uctlSupplier.h"

#include "DisplayTexts.h"
#include "MaterialDisplayInfo.h"
#include "PanelErrors.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/Suppliers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace display {

namespace {

using orvik::common::TextID;

QString entryText(const orvik::objects::Supplier& supplier) {
    return QStringLiteral("(") + QString::fromStdString(supplier.CountrySymbol) + QStringLiteral(") ") +
           QString::fromStdString(supplier.Name);
}

} // namespace

uctlSupplier::uctlSupplier(QWidget* parent)
    : SupplierPanel(parent), m_shapes(new QComboBox(this)), m_suppliers(new QListWidget(this)),
      m_address(new QPlainTextEdit(this)), m_shapeText(new QPlainTextEdit(this)) {
    const std::array<const char*, 5> captions{
        "Lieferform", "Lieferfirma", "Anschrift", "Lieferform",
        "Diese gelten nicht unbedingt für den angezeigten Werkstoff, sondern für die gesamte Stahlgruppe."};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        m_labels[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        m_labels[i]->setObjectName(QStringLiteral("lblLieferfirma"));
        m_labels[i]->setProperty("index", static_cast<int>(i));
    }
    m_labels[4]->setWordWrap(true);
    m_shapes->setObjectName(QStringLiteral("cboLieferform"));
    m_suppliers->setObjectName(QStringLiteral("lstLieferfirma"));
    m_address->setObjectName(QStringLiteral("txtLieferfirma"));
    m_shapeText->setObjectName(QStringLiteral("txtLieferform"));
    m_address->setReadOnly(true);
    m_shapeText->setReadOnly(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_labels[0], 0, 0);
    grid->addWidget(m_shapes, 1, 0);
    grid->addWidget(m_labels[1], 2, 0);
    grid->addWidget(m_suppliers, 3, 0, 4, 1);
    grid->addWidget(m_labels[2], 0, 1);
    grid->addWidget(m_address, 1, 1, 3, 1);
    grid->addWidget(m_labels[3], 4, 1);
    grid->addWidget(m_labels[4], 5, 1);
    grid->addWidget(m_shapeText, 6, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(6, 2);
    connect(m_shapes, &QComboBox::activated, this, [this] { FillSupplierListBox(); });
    // A pick by mouse or by arrow keys: both select the entry. The focus alone only marks one.
    connect(m_suppliers, &QListWidget::itemSelectionChanged, this, [this] { ShowSupplierDetails(); });
}

uctlSupplier::~uctlSupplier() = default;

void uctlSupplier::Clear() {
    const QSignalBlocker block(m_shapes);
    const QSignalBlocker blockSuppliers(m_suppliers);
    m_shapes->clear();
    m_suppliers->clear();
    m_address->clear();
    m_shapeText->clear();
}

void uctlSupplier::Show() {
    Clear();
    m_shown = true;
    trapped(*this, QStringLiteral("uctlSupplier"), QStringLiteral("Show"), [this] {
        if (material() == nullptr) {
            return;
        }
        const auto shapes = material()->ProductShapes();
        if (shapes == nullptr) {
            return;
        }
        if (shapes->Count() < 1) {
            m_shapes->setEnabled(false);
            FillSupplierListBox();
            return;
        }
        const QSignalBlocker block(m_shapes);
        m_shapes->setEnabled(true);
        m_shapes->addItem(DisplayTexts::text(dialogLanguage(), TextID::alle), 0);
        for (const auto& shape : *shapes) {
            m_shapes->addItem(QString::fromStdString(shape->Shape), shape->ShapeID);
        }
        m_shapes->setCurrentIndex(0);
        FillSupplierListBox();
    });
}

void uctlSupplier::FillSupplierListBox() {
    // Emptying and filling the list is no pick.
    const QSignalBlocker block(m_suppliers);
    m_suppliers->clear();
    m_address->clear();
    m_shapeText->clear();
    trapped(*this, QStringLiteral("uctlSupplier"), QStringLiteral("FillSupplierListBox"), [this] {
        if (material() == nullptr) {
            return;
        }
        const auto add = [this](const orvik::objects::Supplier& supplier) {
            auto* item = new QListWidgetItem(entryText(supplier), m_suppliers);
            item->setData(Qt::UserRole, supplier.Supplier_ID);
        };
        const int chosen = m_shapes->currentIndex();
        if (m_shapes->count() == 0 || chosen <= 0) {
            if (const auto suppliers = material()->Suppliers()) {
                for (const auto& supplier : *suppliers) {
                    if (supplier->Number == 1) {
                        add(*supplier);
                    }
                }
            }
            return;
        }
        const auto shape = material()->ProductShapes()->Item(chosen);
        for (const auto& supplier : *shape->Suppliers) {
            add(*supplier);
        }
    });
}

void uctlSupplier::pickSupplier(int row) {
    const auto* item = m_suppliers->item(row);
    if (item != nullptr && item->isSelected() && row == m_suppliers->currentRow()) {
        ShowSupplierDetails();
        return;
    }
    m_suppliers->setCurrentRow(row);
}

void uctlSupplier::ShowSupplierDetails() {
    m_address->clear();
    m_shapeText->clear();
    const auto* item = m_suppliers->currentItem();
    if (item == nullptr || !item->isSelected() || material() == nullptr) {
        return;
    }
    const int id = item->data(Qt::UserRole).toInt();
    trapped(*this, QStringLiteral("uctlSupplier"), QStringLiteral("ShowSupplierDetails"), [this, id] {
        QString shapes;
        if (const auto all = material()->ProductShapes()) {
            for (const auto& shape : *all) {
                for (const auto& supplier : *shape->Suppliers) {
                    if (supplier->Supplier_ID == id) {
                        shapes += QString::fromStdString(shape->Shape) + u'\n';
                        break;
                    }
                }
            }
        }
        m_shapeText->setPlainText(shapes);
        const auto suppliers = material()->Suppliers();
        if (suppliers == nullptr) {
            return;
        }
        for (const auto& supplier : *suppliers) {
            if (supplier->Supplier_ID != id) {
                continue;
            }
            m_address->setPlainText(DisplayTexts::lines(supplier->Address));
            std::string tradenames;
            for (const auto& name : *supplier->Tradenames) {
                tradenames += (tradenames.empty() ? "" : "; ") + name->Designation;
            }
            if (auto info = std::dynamic_pointer_cast<MaterialDisplayInfo>(materialDisplayInfo())) {
                info->ChangeTradeNamesDisplay(tradenames);
                info->ChangeSupplierDisplay(supplier->Address);
            }
            return;
        }
    });
}

void uctlSupplier::ShowSupplierInfo() {
    if (m_suppliers->currentItem() != nullptr && m_suppliers->currentItem()->isSelected()) {
        FillSupplierListBox();
    }
}

QString uctlSupplier::address() const {
    return m_address->toPlainText();
}

QString uctlSupplier::supplierShapes() const {
    return m_shapeText->toPlainText();
}

void uctlSupplier::languageChanged() {
    if (m_shown && m_shapes->count() > 0) {
        Show();
    }
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

} // namespace display
