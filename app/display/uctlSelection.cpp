#include "uctlSelection.h"

#include "DisplayTexts.h"
#include "MaterialDisplayInfo.h"
#include "SearchText.h"
#include "SpecialCombo.h"
#include "WaitCursor.h"
#include "common/Exception.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "platform/db/Dao.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/ErrorWindow.h"
#include "uctlMaterialList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace display {

namespace {

using orvik::common::TextID;

bool isEmptyList(const std::shared_ptr<platform::db::Recordset>& records) {
    return records == nullptr || !records->isOpen() || (records->bof() && records->eof());
}

std::int32_t recordCount(const std::shared_ptr<platform::db::Recordset>& records) {
    if (isEmptyList(records)) {
        return 0;
    }
    try {
        records->moveLast();
        return records->recordCount();
    } catch (const platform::CallError&) {
        return 0;
    }
}

} // namespace

uctlSelection::uctlSelection(QWidget* parent)
    : SelectionPanel(parent), m_filterFrame(new QGroupBox(QStringLiteral(" Filter "), this)),
      m_designationFrame(new QGroupBox(QStringLiteral(" Bezeichnungen "), this)) {
    m_filterFrame->setObjectName(QStringLiteral("fraFilter"));
    m_designationFrame->setObjectName(QStringLiteral("fraBezeichnungen"));
    auto* page = new QHBoxLayout(this);
    page->addWidget(m_filterFrame, 1);
    page->addWidget(m_designationFrame, 1);

    auto* filters = new QVBoxLayout(m_filterFrame);
    const std::array<const char*, FilterCount_> names{"cboStahlgruppe", "cboNormen", "cboLieferfirma",
                                                      "cboLand"};
    const std::array<const char*, FilterCount_> captions{"Stahlgruppe", "Norm", "Lieferfirma", "Land"};
    for (int i = 0; i < FilterCount_; ++i) {
        auto* label = new QLabel(QString::fromUtf8(captions[static_cast<std::size_t>(i)]), m_filterFrame);
        label->setObjectName(QStringLiteral("lblAuswahl"));
        label->setProperty("index", i);
        auto* combo = new QComboBox(m_filterFrame);
        combo->setObjectName(QString::fromLatin1(names[static_cast<std::size_t>(i)]));
        combo->installEventFilter(this);
        label->setBuddy(combo);
        filters->addWidget(label);
        filters->addWidget(combo);
        m_labels[static_cast<std::size_t>(i)] = label;
        m_filters[static_cast<std::size_t>(i)] = combo;
    }
    filters->addStretch(1);
    m_materialNumbers = new QCheckBox(QStringLiteral("Werkstoff-Nr."), m_filterFrame);
    m_materialNumbers->setObjectName(QStringLiteral("chkWerkstoffnr"));
    m_symbols = new QCheckBox(QStringLiteral("Kurznamen"), m_filterFrame);
    m_symbols->setObjectName(QStringLiteral("chkKurznamen"));
    m_tradenames = new QCheckBox(QStringLiteral("Firmenbezeichnungen"), m_filterFrame);
    m_tradenames->setObjectName(QStringLiteral("chkFirmenbezeichnung"));
    m_reset = new QPushButton(QStringLiteral("Filter &zurücksetzen"), m_filterFrame);
    m_reset->setObjectName(QStringLiteral("cmdFilterReset"));
    m_apply = new QPushButton(QStringLiteral("&Aktualisieren"), m_filterFrame);
    m_apply->setObjectName(QStringLiteral("cmdAktualisieren"));
    auto* bottom = new QGridLayout;
    bottom->addWidget(m_materialNumbers, 0, 0);
    bottom->addWidget(m_symbols, 1, 0);
    bottom->addWidget(m_tradenames, 2, 0);
    bottom->addWidget(m_reset, 1, 1, Qt::AlignRight);
    bottom->addWidget(m_apply, 2, 1, Qt::AlignRight);
    filters->addLayout(bottom);

    auto* designations = new QVBoxLayout(m_designationFrame);
    m_search = new QLineEdit(m_designationFrame);
    m_search->setObjectName(QStringLiteral("txtSuchen"));
    m_search->installEventFilter(this);
    m_list = new uctlMaterialList(m_designationFrame);
    m_standardInfo = new QPlainTextEdit(m_designationFrame);
    m_standardInfo->setObjectName(QStringLiteral("txtStandardInfo"));
    m_standardInfo->setReadOnly(true);
    m_standardInfo->hide();
    designations->addWidget(m_search);
    designations->addWidget(m_list, 1);
    designations->addWidget(m_standardInfo, 1);

    for (auto* box : {m_materialNumbers, m_symbols, m_tradenames}) {
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, box] { kindToggled(box); });
    }
    connect(m_apply, &QPushButton::clicked, this, &uctlSelection::ReloadMaterialList);
    connect(m_reset, &QPushButton::clicked, this, &uctlSelection::resetFilters);
    connect(m_list, &uctlMaterialList::MaterialSelected, this, &uctlSelection::materialSelected);
    connect(m_list, &uctlMaterialList::DisplayStatusBarText, this, &uctlSelection::DisplayStatusBarText);
    // A list that cannot be read (a damaged filter database) is told, not shown as an empty list.
    connect(m_list, &uctlMaterialList::ReadFailed, this,
            [this](std::int32_t number, const QString& description) {
                if (services().errorWindow != nullptr) {
                    WaitCursor::restoreAll();
                    services().errorWindow->ShowErrorForm(this, QStringLiteral("uctlMaterialList"),
                                                          QStringLiteral("Show"), number, description);
                }
            });
    for (const Filter which : {Standard, Supplier}) {
        connect(m_filters[which], &QComboBox::activated, this, [this, which] { showFilterToolTip(which); });
    }
    for (auto* widget : std::initializer_list<QWidget*>{this, m_filterFrame, m_designationFrame, m_search}) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

uctlSelection::~uctlSelection() = default;

void uctlSelection::setApplication(std::shared_ptr<orvik::objects::Application> application) {
    SelectionPanel::setApplication(std::move(application));
    syncList();
}

void uctlSelection::setStatusBarText(const QString& text) {
    SelectionPanel::setStatusBarText(text);
    m_list->setStatusBarText(text);
}

void uctlSelection::setList(std::shared_ptr<orvik::objects::List> list) {
    SelectionPanel::setList(list);
    m_listEvents.clear();
    if (list == nullptr) {
        return;
    }
    m_listEvents.push_back(list->CountriesAvailable.subscribe(
        [this](const auto& countries) { fillFromDictionary(*m_filters[Country], *countries); }));
    m_listEvents.push_back(list->SteelgroupsAvailable.subscribe(
        [this](const auto& groups) { fillFromDictionary(*m_filters[Steelgroup], *groups); }));
    m_listEvents.push_back(list->SuppliersAvailable.subscribe([this](const auto& s) { fillSuppliers(s); }));
    m_listEvents.push_back(list->StandardsAvailable.subscribe([this](const auto& s) { fillStandards(s); }));
    m_listEvents.push_back(list->MaterialsAvailable.subscribe(
        [this](const auto& records, const std::string& pattern) { materialsAvailable(records, pattern); }));
    m_listEvents.push_back(
        list->ManagerException.subscribe([this](const auto& error) { listFailed(error); }));
}

void uctlSelection::Init() {
    for (int i = 0; i < FilterCount_; ++i) {
        const auto which = static_cast<Filter>(i);
        auto* typeAhead = new SpecialCombo(*m_filters[which]);
        // An entry chosen by typing is a pick like a click: the lists with a tooltip show it.
        if (which == Standard || which == Supplier) {
            connect(typeAhead, &SpecialCombo::chosen, this, [this, which] { showFilterToolTip(which); });
        }
    }
    for (auto* box : {m_materialNumbers, m_symbols, m_tradenames}) {
        box->setChecked(true);
    }
    syncList();
}

int uctlSelection::Count() const {
    return recordCount(m_currentDesignationList);
}

int uctlSelection::FilterCount() const {
    return recordCount(m_patternResult);
}

void uctlSelection::ClearMaterialList() {
    m_list->ClearList();
    m_search->clear(); // what was searched went with the list
}

void uctlSelection::ReloadMaterialList() {
    const WaitCursor wait;
    m_list->show();
    m_standardInfo->hide();
    for (auto* combo : m_filters) {
        if (combo->currentIndex() < 0 && combo->count() > 0) {
            combo->setCurrentIndex(0);
        }
    }
    m_applied = readFilters();
    if (list() == nullptr) {
        return;
    }
    m_patternResult = nullptr;
    const auto& a = m_applied;
    m_currentDesignationList = list()->Materials(a.steelgroup, a.standard, a.standardType, a.supplier,
                                                 a.country, a.materialNumbers, a.symbols, a.tradenames, "");
    if (combinationResultBuilder() != nullptr) {
        combinationResultBuilder()->SetDesignationResultSet(m_currentDesignationList, true);
    }
    showStandardInfo();
    m_search->setFocus();
}

void uctlSelection::Show() {
    if (list() == nullptr) {
        return;
    }
    syncList();
    m_applied = readFilters();
    m_patternResult = nullptr;
    // The whole list comes anew from its top: the text searched in the old one no longer applies.
    m_search->clear();
    const auto& a = m_applied;
    m_currentDesignationList = list()->Materials(a.steelgroup, a.standard, a.standardType, a.supplier,
                                                 a.country, a.materialNumbers, a.symbols, a.tradenames, "");
}

void uctlSelection::Search() {
    if (m_list->Search(m_search->text())) {
        m_list->setFocus();
    }
}

void uctlSelection::SelectDesignation(const QString& idDesignationCountry) {
    m_list->SelectDesignation(idDesignationCountry);
}

void uctlSelection::searchEntered() {
    emit DisplayStatusBarText(QString());
    const auto text = SearchText::removeBlanks(m_search->text().toStdString());
    if (!SearchText::HasStarWildcard(text) && !SearchText::HasPatternChars(text)) {
        if (text.empty()) {
            m_patternResult = nullptr;
            m_list->setItems(m_currentDesignationList);
            if (combinationResultBuilder() != nullptr) {
                combinationResultBuilder()->SetDesignationResultSet(m_currentDesignationList, true);
            }
            m_list->Show();
        } else {
            Search();
        }
    } else if (SearchText::IsBracketPatternValid(text) && !isEmptyList(m_currentDesignationList) &&
               list() != nullptr) {
        const auto& a = m_applied;
        m_patternResult =
            list()->Materials(a.steelgroup, a.standard, a.standardType, a.supplier, a.country,
                              a.materialNumbers, a.symbols, a.tradenames, SearchText::patternCondition(text));
    }
    reportEmptyList();
}

void uctlSelection::reportEmptyList() {
    if (m_list->Count() == 0) {
        emit DisplayStatusBarText(DisplayTexts::text(dialogLanguage(), TextID::Suche_erfolglos));
    }
}

void uctlSelection::languageAboutToChange() {
    Saved saved;
    for (int i = 0; i < FilterCount_; ++i) {
        saved.ids[static_cast<std::size_t>(i)] = stableId(static_cast<Filter>(i));
    }
    saved.materialNumbers = m_materialNumbers->isChecked();
    saved.symbols = m_symbols->isChecked();
    saved.tradenames = m_tradenames->isChecked();
    m_saved = saved;
}

void uctlSelection::languageChanged() {
    if (m_saved) {
        for (int i = 0; i < FilterCount_; ++i) {
            selectStableId(static_cast<Filter>(i), m_saved->ids[static_cast<std::size_t>(i)]);
        }
        m_materialNumbers->setChecked(m_saved->materialNumbers);
        m_symbols->setChecked(m_saved->symbols);
        m_tradenames->setChecked(m_saved->tradenames);
        m_saved.reset();
    }
    syncList();
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

bool uctlSelection::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == m_search) {
        if (type == QEvent::KeyPress) {
            const auto key = static_cast<QKeyEvent*>(event)->key();
            emit DisplayStatusBarText(QString());
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                searchEntered();
                return true;
            }
            reportEmptyList();
        } else if (type == QEvent::KeyRelease) {
            keyReleasedInSearch(static_cast<QKeyEvent*>(event)->key());
        } else if (type == QEvent::FocusOut) {
            emit DisplayStatusBarText(QString());
        }
    }
    if (type == QEvent::MouseMove && (watched == this || watched == m_filterFrame ||
                                      watched == m_designationFrame || watched == m_search)) {
        emit DisplayStatusBarText(statusBarText());
    }
    const bool tipList = watched == m_filters[Standard] || watched == m_filters[Supplier];
    if (tipList && type == QEvent::FocusIn) {
        showFilterToolTip(watched == m_filters[Standard] ? Standard : Supplier);
    } else if (tipList && type == QEvent::FocusOut) {
        emit HideToolTip();
    }
    return SelectionPanel::eventFilter(watched, event);
}

void uctlSelection::fillFromDictionary(QComboBox& combo, const orvik::objects::List::Countries_t& entries) {
    const QSignalBlocker block(combo);
    combo.clear();
    combo.addItem(DisplayTexts::text(dialogLanguage(), TextID::alle), -1);
    for (const auto& entry : entries) {
        combo.addItem(QString::fromStdString(entry.item), platform::CLng(entry.key));
    }
    combo.setCurrentIndex(0);
}

void uctlSelection::fillSuppliers(const std::shared_ptr<orvik::objects::Suppliers>& suppliers) {
    m_supplierList = suppliers;
    auto& combo = *m_filters[Supplier];
    const QSignalBlocker block(combo);
    combo.clear();
    combo.addItem(DisplayTexts::text(dialogLanguage(), TextID::alle), -1);
    if (suppliers != nullptr) {
        for (const auto& supplier : *suppliers) {
            combo.addItem(QString::fromStdString(supplier->Name), supplier->Supplier_ID);
        }
    }
    combo.setCurrentIndex(0);
}

void uctlSelection::fillStandards(const std::shared_ptr<orvik::objects::List::Standards_t>& standards) {
    m_standards = standards;
    auto& combo = *m_filters[Standard];
    const QSignalBlocker block(combo);
    combo.clear();
    combo.addItem(DisplayTexts::text(dialogLanguage(), TextID::alle), -1);
    if (standards != nullptr) {
        int i = 0;
        for (const auto& entry : *standards) {
            combo.addItem(QString::fromStdString(entry.item->Name), platform::CLng(entry.key));
            if (i % 50 == 0) {
                emit InitializeStep();
            }
            ++i;
        }
    }
    combo.setCurrentIndex(0);
}

void uctlSelection::materialsAvailable(const std::shared_ptr<platform::db::Recordset>& records,
                                       const std::string& pattern) {
    const bool failed = m_queryFailed;
    m_queryFailed = false;
    if (QString::fromStdString(pattern).trimmed().isEmpty()) {
        m_currentDesignationList = records;
    } else {
        m_patternResult = records;
    }
    if (combinationResultBuilder() != nullptr) {
        combinationResultBuilder()->SetDesignationResultSet(records, true);
    }
    m_list->setListType(0);
    m_list->setItems(records);
    m_list->Show();
    // A failed search was shown in the error window; only a search that ran finds nothing.
    if (isEmptyList(records) && !failed) {
        message(TextID::Keinen_passenden_Werkstoff_gefunden);
    }
}

void uctlSelection::listFailed(const std::shared_ptr<const orvik::common::Exception>& error) {
    m_queryFailed = true;
    if (error == nullptr || services().errorWindow == nullptr) {
        return;
    }
    WaitCursor::restoreAll();
    services().errorWindow->ShowErrorForm(this, QString::fromStdString(error->Modul()),
                                          QString::fromStdString(error->Procedure()), error->Number(),
                                          QString::fromStdString(error->Description()));
}

uctlSelection::Applied uctlSelection::readFilters() const {
    Applied applied;
    applied.steelgroup = itemId(Steelgroup);
    applied.supplierEntry = chosenSupplier();
    if (const auto* standard = chosenStandard()) {
        applied.standard = standard->StandardId;
        applied.standardType = standard->StandardType;
    } else {
        applied.standard = -1;
        applied.standardType = -1;
    }
    applied.supplier = itemId(Supplier);
    applied.country = itemId(Country);
    applied.tradenames = m_tradenames->isChecked();
    applied.symbols = m_symbols->isChecked();
    applied.materialNumbers = m_materialNumbers->isChecked();
    return applied;
}

std::int32_t uctlSelection::itemId(Filter which) const {
    const auto chosen = m_filters[which]->currentData();
    return chosen.isValid() ? chosen.toInt() : -1;
}

std::shared_ptr<orvik::objects::Supplier> uctlSelection::chosenSupplier() const {
    const int index = m_filters[Supplier]->currentIndex();
    if (index < 1 || m_supplierList == nullptr || index > m_supplierList->Count()) {
        return nullptr;
    }
    return m_supplierList->Item(index);
}

const orvik::objects::StandardListEntry* uctlSelection::chosenStandard() const {
    if (m_standards == nullptr || m_filters[Standard]->currentIndex() < 1) {
        return nullptr;
    }
    const auto* entry = m_standards->find(platform::Variant(itemId(Standard)));
    return entry != nullptr ? entry->get() : nullptr;
}

std::optional<std::int32_t> uctlSelection::stableId(Filter which) const {
    if (m_filters[which]->currentIndex() < 1) {
        return std::nullopt;
    }
    if (which == Standard) {
        const auto* standard = chosenStandard();
        return standard != nullptr ? std::optional<std::int32_t>(standard->StandardId) : std::nullopt;
    }
    return itemId(which);
}

void uctlSelection::selectStableId(Filter which, std::optional<std::int32_t> id) {
    auto& combo = *m_filters[which];
    const QSignalBlocker block(combo);
    int index = 0;
    if (id) {
        for (int i = 1; i < combo.count(); ++i) {
            const auto value = combo.itemData(i).toInt();
            if (which == Standard) {
                const auto* entry =
                    m_standards != nullptr ? m_standards->find(platform::Variant(value)) : nullptr;
                if (entry != nullptr && (*entry)->StandardId == *id) {
                    index = i;
                    break;
                }
            } else if (value == *id) {
                index = i;
                break;
            }
        }
    }
    if (combo.count() > 0) {
        combo.setCurrentIndex(index);
    }
}

void uctlSelection::resetFilters() {
    for (auto* combo : m_filters) {
        if (combo->count() > 0) {
            combo->setCurrentIndex(0);
        }
    }
    for (auto* box : {m_materialNumbers, m_symbols, m_tradenames}) {
        box->setChecked(true);
    }
    ReloadMaterialList();
}

void uctlSelection::kindToggled(QCheckBox* box) {
    if (!m_materialNumbers->isChecked() && !m_symbols->isChecked() && !m_tradenames->isChecked()) {
        box->setChecked(true);
    }
}

void uctlSelection::showStandardInfo() {
    if (m_filters[Standard]->currentIndex() < 1 || !isEmptyList(m_currentDesignationList)) {
        return;
    }
    const auto* standard = chosenStandard();
    if (standard == nullptr || standard->ReplacedBy.empty()) {
        return;
    }
    const auto* relay = dialogLanguage();
    m_standardInfo->setPlainText(DisplayTexts::text(relay, TextID::Siehe_Unter) + QStringLiteral("\n\n") +
                                 DisplayTexts::text(relay, TextID::Nachfolgedokument) + QStringLiteral("\n") +
                                 QString::fromStdString(standard->ReplacedBy));
    m_list->hide();
    m_standardInfo->show();
}

void uctlSelection::showFilterToolTip(Filter which) {
    QString text;
    try {
        if (which == Supplier) {
            if (const auto supplier = chosenSupplier()) {
                text = QString::fromStdString(supplier->Address);
            }
        } else if (const auto* standard = chosenStandard(); standard != nullptr && application() != nullptr) {
            text = QString::fromStdString(standard->GetInfo(*application()));
        }
    } catch (const platform::CallError&) {
        text.clear();
    }
    emit DisplayToolTip(text, m_filters[which]->mapTo(this, QPoint(0, 0)).y() * 15);
}

void uctlSelection::materialSelected(const shell::contract::ActivatedMaterial& material) {
    if (auto info = std::dynamic_pointer_cast<MaterialDisplayInfo>(materialDisplayInfo())) {
        // The supplier whose designations the list shows, not the one the filter list shows now.
        if (const auto& supplier = m_applied.supplierEntry) {
            info->setFilterAddress(supplier->Address);
            info->setShowSupplier(true);
            info->setCompanyId(supplier->Supplier_ID);
        } else {
            info->setFilterAddress({});
            info->setShowSupplier(false);
            info->setCompanyId(0);
        }
    } else if (materialDisplayInfo() != nullptr) {
        materialDisplayInfo()->setShowSupplier(false);
        materialDisplayInfo()->setFilterAddress({});
    }
    emit MaterialSelected(material);
}

void uctlSelection::keyReleasedInSearch(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return;
    }
    if (orvik::common::ProgrammSettings().DirektSuche() == 1) {
        m_list->Search(m_search->text());
    }
}

void uctlSelection::message(TextID id) {
    if (services().messageBoxes == nullptr) {
        return;
    }
    services().messageBoxes->show(
        this, DisplayTexts::text(dialogLanguage(), id), QString::fromLatin1(shell::contract::ProgramTitle),
        platform::qt::MessageBoxes::Icon::Information, platform::qt::MessageBoxes::Buttons::Ok);
}

void uctlSelection::syncList() {
    m_list->setDialogLanguage(dialogLanguage());
    m_list->setApplication(application());
}

} // namespace display
