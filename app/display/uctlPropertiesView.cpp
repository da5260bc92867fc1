#include "uctlPropertiesView.h"

#include "DisplayTexts.h"
#include "PanelErrors.h"
#include "objects/Material.h"
#include "objects/PropertyBags.h"
#include "uctlPropertyViewGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

namespace display {

namespace {

using orvik::common::TextID;

QString entryText(const orvik::objects::PropertyBag& bag) {
    const auto shortName = QString::fromStdString(bag.StandardShortName);
    const auto title = QString::fromStdString(bag.StandardTitle);
    if (!shortName.isEmpty() && !title.isEmpty()) {
        return (shortName + QStringLiteral(": ") + title).trimmed();
    }
    return (shortName.isEmpty() ? title : shortName).trimmed();
}

} // namespace

uctlPropertiesView::uctlPropertiesView(QWidget* parent)
    : PropertiesViewPanel(parent), m_label(new QLabel(QStringLiteral("Norm"), this)),
      m_standards(new QComboBox(this)), m_grid(new uctlPropertyViewGrid(this)) {
    m_label->setObjectName(QStringLiteral("lblStandard"));
    m_standards->setObjectName(QStringLiteral("cboStandard"));
    m_grid->setObjectName(QStringLiteral("grdProperties"));
    auto* top = new QHBoxLayout;
    top->addWidget(m_label);
    top->addWidget(m_standards, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    connect(m_standards, &QComboBox::activated, this, &uctlPropertiesView::ShowSelectedStandard);
}

uctlPropertiesView::~uctlPropertiesView() = default;

void uctlPropertiesView::SetHelpContextId(int contextId) {
    m_helpContextId = contextId;
    m_grid->SetHelpContextId(contextId);
}

// The steel keeps its tables once read and tells its own failures (a table that cannot be read
// once, with its matrix), so each call asks it again.
std::shared_ptr<orvik::objects::PropertyBags> uctlPropertiesView::propertyBags() {
    return material() != nullptr ? material()->PropertyBags() : nullptr;
}

void uctlPropertiesView::Clear() {
    const QSignalBlocker block(m_standards);
    m_standards->clear();
    m_grid->Init();
}

void uctlPropertiesView::Show() {
    m_grid->setDialogLanguage(dialogLanguage());
    m_grid->setErrorWindow(services().errorWindow);
    trapped(*this, QStringLiteral("uctlProperties"), QStringLiteral("Show"), [this] {
        const auto bags = propertyBags();
        const QSignalBlocker block(m_standards);
        m_standards->clear();
        m_standards->addItem(DisplayTexts::text(dialogLanguage(), TextID::alle), -1);
        if (bags != nullptr) {
            FillStandardCombo(*bags);
        }
        m_standards->setCurrentIndex(0);
    });
    ShowSelectedStandard(0);
}

void uctlPropertiesView::FillStandardCombo(const orvik::objects::PropertyBags& bags) {
    QSet<int> listed;
    for (const int type : {m_firstType, m_secondType}) {
        if (type == 0) {
            continue;
        }
        for (const auto& bag : bags) {
            if (bag->PropertyType != type || bag->Properties->Count() < 1 ||
                listed.contains(bag->Standard_ID)) {
                continue;
            }
            listed.insert(bag->Standard_ID);
            m_standards->addItem(entryText(*bag), bag->Standard_ID);
        }
    }
}

void uctlPropertiesView::ShowSelectedStandard(int index) {
    const int standard = m_standards->itemData(index).isValid() ? m_standards->itemData(index).toInt() : -1;
    m_grid->Init();
    m_grid->hide();
    const bool ok = trapped(*this, QStringLiteral("uctlProperties"), QStringLiteral("Show"), [&] {
        const auto bags = propertyBags();
        bool shown = false;
        if (bags != nullptr) {
            for (const int type : {m_firstType, m_secondType}) {
                if (type == 0) {
                    continue;
                }
                for (const auto& bag : *bags) {
                    if (bag->PropertyType == type && (standard == -1 || standard == bag->Standard_ID) &&
                        bag->Properties->Count() > 0) {
                        m_grid->ShowProperties(*bag);
                        shown = true;
                    }
                }
            }
        }
        if (!shown) {
            ShowNoPropertiesText(bags != nullptr && unreadable(*bags, standard));
        }
        m_grid->ShowScrollBar();
    });
    if (ok) {
        m_grid->show();
        m_grid->scrollToStart();
    }
}

bool uctlPropertiesView::unreadable(const orvik::objects::PropertyBags& bags, int standard) const {
    if (bags.Failure()) {
        return true;
    }
    return std::any_of(bags.Unreadable().begin(), bags.Unreadable().end(), [&](const auto& table) {
        const auto& header = *table.header;
        return (header.PropertyType == m_firstType || header.PropertyType == m_secondType) &&
               (standard == -1 || standard == header.Standard_ID);
    });
}

void uctlPropertiesView::ShowNoPropertiesText(bool unreadable) {
    // Tables that could not be read are no tables that are missing: the page says so, as the data
    // sheet does in their place.
    if (unreadable) {
        m_grid->ShowValueInMergedRow(DisplayTexts::text(dialogLanguage(), TextID::Tabelle_nicht_lesbar), 0);
        return;
    }
    static const std::map<int, TextID> texts{{0, TextID::Keine_mechanischen_Eigenschaften_vorhanden},
                                             {1, TextID::Keine_physikalische_Eigenschaften_vorhanden},
                                             {2, TextID::Keine_Waermebehandlung_vorhanden}};
    const auto found = texts.find(m_title);
    m_grid->ShowValueInMergedRow(
        found != texts.end() ? DisplayTexts::text(dialogLanguage(), found->second) : QString(), 0);
}

void uctlPropertiesView::languageChanged() {
    if (!m_grid->isHidden() && m_standards->count() > 0) {
        Show();
    }
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

} // namespace display
