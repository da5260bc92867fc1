#include "uctlCompositionSearch.h"

#include "AnalysisFile.h"
#include "DlgFuzzyPara.h"
#include "Grid.h"
#include "HitComparison.h"
#include "HitComparisonGrid.h"
#include "Placement.h"
#include "Twips.h"
#include "common/CompositionSearchItems.h"
#include "common/DataFolder.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/FileDialogs.h"
#include "uctlCompositionGrid.h"
#include "uctlMaterialList.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

namespace composition {

namespace {

using orvik::common::TextID;
using Messages = platform::qt::MessageBoxes;

const QString moduleName = QStringLiteral("uctlCompositionSearch");
const QString fileFilter = QStringLiteral("Analysen (*.anl)");

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

/// The hourglass while a search runs, taken back on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLabel* indexedLabel(QWidget* parent, int index, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblAnalyseSuchen"));
    label->setProperty("index", index);
    return label;
}

} // namespace

uctlCompositionSearch::uctlCompositionSearch(const QString& controlName, QWidget* parent)
    : CompositionSearchPanel(controlName, parent) {
    m_fraUebernahme = new QFrame(this);
    m_fraUebernahme->setObjectName(QStringLiteral("fraUebernahme"));
    m_lblAnalyse = indexedLabel(m_fraUebernahme, 1, QStringLiteral("Analyse"));
    m_cboSuchenAnalyse = new QComboBox(m_fraUebernahme);
    m_cboSuchenAnalyse->setObjectName(QStringLiteral("cboSuchenAnalyse"));
    m_cmdAnalyseUebernehmen = button(m_fraUebernahme, "cmdAnalyseUebernehmen", QStringLiteral("&Übernehmen"));
    m_lblSuchenAnalyse = new QLabel(m_fraUebernahme);
    m_lblSuchenAnalyse->setObjectName(QStringLiteral("lblSuchenAnalyse"));
    m_lblSuchenAnalyse->setFrameShape(QFrame::StyledPanel);
    m_lblSuchenAnalyse->hide();

    m_fraAnalyseSuchen = new QGroupBox(QStringLiteral(" Suche "), this);
    m_fraAnalyseSuchen->setObjectName(QStringLiteral("fraAnalyseSuchen"));
    m_lblLand = indexedLabel(m_fraAnalyseSuchen, 0, QStringLiteral("Land"));
    m_cboSuchenLand = new QComboBox(m_fraAnalyseSuchen);
    m_cboSuchenLand->setObjectName(QStringLiteral("cboSuchenLand"));
    m_grid = new uctlCompositionGrid(m_fraAnalyseSuchen);
    m_cmdAnalyseSuchen = button(m_fraAnalyseSuchen, "cmdAnalyseSuchen", QStringLiteral("&Suchen"));
    m_cmdAnalyseFuzzySearch =
        button(m_fraAnalyseSuchen, "cmdAnalyseFuzzySearch", QStringLiteral("&Fuzzy-Search"));
    m_cmdAnalyseEintragLoeschen =
        button(m_fraAnalyseSuchen, "cmdAnalyseEintragLoeschen", QStringLiteral("&Eintrag löschen"));
    m_cmdAnalyseListeLoeschen =
        button(m_fraAnalyseSuchen, "cmdAnalyseListeLoeschen", QStringLiteral("Liste &löschen"));

    m_fraAnalyseErgebnis = new QGroupBox(QStringLiteral(" Ergebnis der Suche "), this);
    m_fraAnalyseErgebnis->setObjectName(QStringLiteral("fraAnalyseErgebnis"));
    m_materialList = new display::uctlMaterialList(m_fraAnalyseErgebnis);
    m_materialList->setObjectName(QStringLiteral("uctlMaterialList"));
    m_hits = new HitComparisonGrid(m_fraAnalyseErgebnis);

    m_cboSuchenAnalyse->setEnabled(false);
    m_cmdAnalyseUebernehmen->setEnabled(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{this, m_fraAnalyseSuchen, m_fraAnalyseErgebnis, m_hits}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    m_hits->viewport()->setMouseTracking(true);
    m_hits->viewport()->installEventFilter(this);

    connect(m_cmdAnalyseUebernehmen, &QPushButton::clicked, this, [this] { CopyComposition(); });
    connect(m_cmdAnalyseSuchen, &QPushButton::clicked, this, [this] { Search(false, 0, 0); });
    connect(m_cmdAnalyseFuzzySearch, &QPushButton::clicked, this, [this] { FuzzySearch(); });
    connect(m_cmdAnalyseEintragLoeschen, &QPushButton::clicked, this, [this] { m_grid->RemoveActiveRow(); });
    connect(m_cmdAnalyseListeLoeschen, &QPushButton::clicked, this, [this] {
        relay();
        if (services().messageBoxes == nullptr ||
            services().messageBoxes->show(this, text(TextID::Analyse_Suchen_Liste_loeschen),
                                          QString::fromLatin1(shell::contract::ProgramTitle),
                                          Messages::Icon::Question,
                                          Messages::Buttons::YesNo) == Messages::Answer::Yes) {
            m_grid->Clear();
        }
    });
    connect(m_grid, &uctlCompositionGrid::CompositionChanged, this, [this] { m_lblSuchenAnalyse->clear(); });
    connect(m_materialList, &display::uctlMaterialList::MaterialSelected, this,
            [this](const shell::contract::ActivatedMaterial& material) {
                emit MaterialSelected(material);
                Show();
            });
    connect(m_materialList, &display::uctlMaterialList::MaterialHighlited, this, [this] { showHit(); });
    connect(m_materialList, &display::uctlMaterialList::DisplayStatusBarText, this,
            [this](const QString& t) { emit DisplayStatusBarText(t); });
    connect(m_materialList, &display::uctlMaterialList::HideToolTip, this, [this] { emit HideToolTip(); });
    connect(m_materialList, &display::uctlMaterialList::DisplayToolTip, this,
            [this](const QString& t, int position) {
                const int top = controls::pixelsToTwips(m_materialList->y() + m_fraAnalyseErgebnis->y());
                emit DisplayToolTip(t, position + top);
            });
    layoutPanel();
    resize(controls::twipsToPixels(12000), controls::twipsToPixels(9000));
}

void uctlCompositionSearch::layoutPanel() {
    // Laid out by Qt's layouts: labels and buttons take the width of their text in every language.
    const auto px = controls::twipsToPixels;
    m_cboSuchenLand->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cboSuchenLand->setMinimumWidth(px(3000));
    m_cboSuchenAnalyse->setMinimumWidth(px(1500));
    m_cmdAnalyseUebernehmen->setMinimumWidth(px(1800));

    auto* takeOver = new QHBoxLayout(m_fraUebernahme);
    takeOver->setContentsMargins(px(60), px(60), px(60), px(60));
    takeOver->addWidget(m_lblAnalyse);
    // The name of a loaded analysis stands in the list's place while the list is hidden.
    takeOver->addWidget(m_cboSuchenAnalyse, 1);
    takeOver->addWidget(m_lblSuchenAnalyse, 1);
    takeOver->addWidget(m_cmdAnalyseUebernehmen);

    auto* country = new QHBoxLayout;
    country->addWidget(m_lblLand);
    country->addWidget(m_cboSuchenLand);
    country->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (auto* b : {m_cmdAnalyseSuchen, m_cmdAnalyseFuzzySearch, m_cmdAnalyseEintragLoeschen,
                    m_cmdAnalyseListeLoeschen}) {
        b->setMinimumWidth(px(1800));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* criteria = new QHBoxLayout;
    criteria->addWidget(m_grid, 1);
    criteria->addLayout(buttons);
    auto* search = new QVBoxLayout(m_fraAnalyseSuchen);
    search->addLayout(country);
    search->addLayout(criteria, 1);

    auto* result = new QHBoxLayout(m_fraAnalyseErgebnis);
    result->addWidget(m_materialList, 35);
    result->addWidget(m_hits, 65);

    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(px(60), 0, px(60), px(30));
    panel->addWidget(m_fraUebernahme);
    panel->addWidget(m_fraAnalyseSuchen, 53);
    panel->addWidget(m_fraAnalyseErgebnis, 47);
}

uctlCompositionSearch::~uctlCompositionSearch() = default;

void uctlCompositionSearch::setIsAdvanced(bool advanced) {
    CompositionSearchPanel::setIsAdvanced(advanced);
    m_grid->setIsAdvanced(advanced);
    m_hits->setAdvanced(advanced);
}

void uctlCompositionSearch::setStatusBarText(const QString& textShown) {
    CompositionSearchPanel::setStatusBarText(textShown);
    m_materialList->setStatusBarText(textShown);
}

void uctlCompositionSearch::setApplication(std::shared_ptr<orvik::objects::Application> app) {
    m_materialList->setApplication(app);
    CompositionSearchPanel::setApplication(std::move(app));
}

void uctlCompositionSearch::setList(std::shared_ptr<orvik::objects::List> newList) {
    CompositionSearchPanel::setList(newList);
    relay();
    m_countriesAvailable.reset();
    m_grid->setList(newList);
    if (!newList) {
        return;
    }
    m_countriesAvailable = newList->CountriesAvailable.subscribe(
        [this](const std::shared_ptr<orvik::objects::List::Countries_t>& countries) {
            if (countries) {
                fillCountries(*countries);
            }
        });
    (void)newList->Countries();
    (void)newList->Elements();
}

void uctlCompositionSearch::setShift(int shift) {
    m_grid->setShift(shift);
}

void uctlCompositionSearch::SelectDesignation(const QString& idDesignationCountry) {
    m_materialList->SelectDesignation(idDesignationCountry);
}

QString uctlCompositionSearch::text(TextID id) const {
    if (dialogLanguage() == nullptr || !dialogLanguage()->LanguageClass()) {
        return {};
    }
    return qs(dialogLanguage()->LanguageClass()->getTextFromDB(id));
}

void uctlCompositionSearch::relay() {
    m_grid->setDialogLanguage(dialogLanguage());
    m_grid->setServices(services());
    m_materialList->setDialogLanguage(dialogLanguage());
}

void uctlCompositionSearch::error(const QString& procedure, int number, const QString& description) {
    if (services().errorWindow != nullptr) {
        services().errorWindow->ShowErrorForm(this, moduleName, procedure, number, description);
    }
}

void uctlCompositionSearch::information(const QString& textShown) {
    if (services().messageBoxes != nullptr) {
        services().messageBoxes->show(this, textShown, QString::fromLatin1(shell::contract::ProgramTitle),
                                      Messages::Icon::Information, Messages::Buttons::Ok);
    }
}

void uctlCompositionSearch::fillCountries(const platform::Dictionary<std::string>& countries) {
    // The list is refilled in the order of the current language's names: the choice is kept by id.
    const int previous = selectedCountry();
    m_cboSuchenLand->clear();
    m_cboSuchenLand->addItem(text(TextID::alle), 0);
    const auto keys = countries.keys();
    for (const auto& key : keys) {
        try {
            m_cboSuchenLand->addItem(qs(countries.item(key)), static_cast<int>(platform::CLng(key)));
        } catch (const platform::CallError&) {
            continue; // a key that is no number names no country
        }
    }
    m_cboSuchenLand->setCurrentIndex(std::max(0, m_cboSuchenLand->findData(previous)));
}

void uctlCompositionSearch::selectCountry(int countryId) {
    if (countryId <= 0 && countryId != 0) {
        return;
    }
    const int index = m_cboSuchenLand->findData(countryId);
    if (index >= 0) {
        m_cboSuchenLand->setCurrentIndex(index);
    }
}

int uctlCompositionSearch::selectedCountry() const {
    return m_cboSuchenLand->currentIndex() < 0 ? 0 : m_cboSuchenLand->currentData().toInt();
}

void uctlCompositionSearch::setControlsEnabled(bool enabled) {
    // The fuzzy search switches off around the search, which switches off again: only the first
    // switching off tells what the analysis list was.
    if (!enabled && m_controlsEnabled) {
        m_analysisListEnabled = m_cboSuchenAnalyse->isEnabled();
    }
    m_controlsEnabled = enabled;
    m_grid->setEnabled(enabled);
    for (auto* b : {m_cmdAnalyseUebernehmen, m_cmdAnalyseSuchen, m_cmdAnalyseFuzzySearch,
                    m_cmdAnalyseEintragLoeschen, m_cmdAnalyseListeLoeschen}) {
        b->setEnabled(enabled);
    }
    m_cboSuchenLand->setEnabled(enabled);
    m_cboSuchenAnalyse->setEnabled(enabled && m_analysisListEnabled);
    if (enabled) {
        m_cmdAnalyseUebernehmen->setEnabled(m_analysisListEnabled);
    }
    m_hits->setEnabled(enabled);
}

void uctlCompositionSearch::Show() {
    // A newly opened steel offers its analyses again in place of the name of a loaded file.
    const std::string shown = material() ? material()->Steel_ID() + '|' + material()->Designation_ID() : "";
    if (shown != m_shownSteel) {
        m_shownSteel = shown;
        m_lblSuchenAnalyse->hide();
        m_cboSuchenAnalyse->show();
    }
    m_cboSuchenAnalyse->clear();
    try {
        // The analyses are read from the open database; after a logout there is none to read.
        if (material() && application() && application()->LoggedIn()) {
            if (const auto compositions = material()->ChemicalCompositions(0)) {
                for (const auto& composition : *compositions) {
                    m_cboSuchenAnalyse->addItem(qs(composition->CompositonDesignation));
                }
            }
        }
    } catch (const platform::CallError& e) {
        error(QStringLiteral("Show"), e.number(), qs(e.description()));
    }
    const bool any = m_cboSuchenAnalyse->count() > 0;
    m_cmdAnalyseUebernehmen->setEnabled(any);
    m_cboSuchenAnalyse->setEnabled(any);
    m_analysisListEnabled = any;
    if (any) {
        m_cboSuchenAnalyse->setCurrentIndex(0);
    }
}

void uctlCompositionSearch::CopyComposition() {
    relay();
    try {
        if (!material()) {
            return;
        }
        const auto compositions = material()->ChemicalCompositions(0);
        if (!compositions || compositions->Count() == 0) {
            return;
        }
        const auto composition = compositions->Item(m_cboSuchenAnalyse->currentIndex() + 1);
        if (!composition) {
            return;
        }
        showAnalysisName(m_cboSuchenAnalyse->currentText());
        m_cboSuchenAnalyse->show();
        m_lblSuchenAnalyse->hide();
        // The steel's country by its id: the names of the list hold the symbols of other countries too.
        if (material()->CountryId() > 0) {
            selectCountry(material()->CountryId());
        }
        m_grid->ShowComposition(*composition);
    } catch (const platform::CallError& e) {
        error(QStringLiteral("CopyComposition"), e.number(), qs(e.description()));
    }
}

void uctlCompositionSearch::showAnalysisName(const QString& name) {
    m_lblSuchenAnalyse->setText(name);
}

void uctlCompositionSearch::Search(bool isFuzzy, int reqCompositions, int maxTolerance) {
    relay();
    const WaitCursor wait;
    setControlsEnabled(false);
    m_hits->Reset();
    m_materialList->ClearList();
    if (m_grid->isValid()) {
        SearchComposition(isFuzzy, reqCompositions, maxTolerance);
    }
    setControlsEnabled(true);
    m_grid->AddEmptyRow();
    m_materialList->setFocus();
    QApplication::processEvents();
}

void uctlCompositionSearch::SearchComposition(bool isFuzzy, int reqCompositions, int maxTolerance) {
    m_rsHits.reset();
    if (!application()) {
        return;
    }
    try {
        m_SearchItems = m_grid->GetCompositionSearchItems();
        const int country = selectedCountry();
        if (isFuzzy) {
            std::unique_ptr<QProgressDialog> progress;
            FuzzyProgress watch = m_fuzzyProgress;
            if (!watch) {
                progress = std::make_unique<QProgressDialog>(text(TextID::Suche_laeuft),
                                                             text(TextID::Suche_abbrechen), 0, 0, this);
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
                watch = [&progress, this](int step, int tolerance) {
                    progress->setLabelText(
                        QStringLiteral("%1 (%2 %)").arg(text(TextID::Suche_laeuft)).arg(tolerance));
                    progress->setMaximum(step + 1);
                    progress->setValue(step);
                    QApplication::processEvents();
                    return !progress->wasCanceled();
                };
            }
            m_rsHits = application()->CompositionFuzzySearch(
                country, m_SearchItems, reqCompositions, maxTolerance,
                [&watch](std::int32_t step, std::int32_t tolerance) { return watch(step, tolerance); });
        } else {
            m_rsHits = application()->CompositionSearch(country, m_SearchItems);
        }
        if (const auto& builder = combinationResultBuilder()) {
            if (IsAdvanced()) {
                builder->SetExtendedCompositionResultSet(m_rsHits, true);
            } else {
                builder->SetCompositionResultSet(m_rsHits, true);
            }
        }
        if (!m_rsHits || (m_rsHits->bof() && m_rsHits->eof())) {
            setStatusBarText(text(TextID::Suche_erfolglos));
            emit DisplayStatusBarText(statusBarText());
            return;
        }
        m_rsHits->moveLast();
        setStatusBarText(QString::number(m_rsHits->recordCount()) + QStringLiteral(" ") +
                         text(TextID::Analysen_gefunden));
        emit DisplayStatusBarText(statusBarText());
        m_materialList->setListType(1);
        m_materialList->setItems(m_rsHits);
        m_materialList->Show();
        m_rsHits->moveFirst();
        m_materialList->SelectFirstItem();
    } catch (const platform::CallError& e) {
        error(QStringLiteral("SearchComposition"), e.number(), qs(e.description()));
    }
}

void uctlCompositionSearch::showHit() {
    const int position = m_materialList->CurrentPos();
    if (!m_rsHits || position < 0 || !application() || !m_SearchItems) {
        return;
    }
    try {
        if (m_rsHits->bof() && m_rsHits->eof()) {
            return;
        }
        m_rsHits->moveFirst();
        m_rsHits->setAbsolutePosition(position);
        const auto id = orvik::common::Helper::CVarStr(m_rsHits->field("ID_Analyse"));
        const auto analysis = application()->ChemicalComposition(id);
        if (!analysis) {
            return;
        }
        bool hasOthers = false;
        m_hits->ShowRows(
            HitComparison::Build(*analysis, *m_SearchItems, text(TextID::Rest).toStdString(), hasOthers),
            hasOthers);
    } catch (const platform::CallError& e) {
        error(QStringLiteral("MaterialHighlited"), e.number(), qs(e.description()));
    }
}

void uctlCompositionSearch::FuzzySearch() {
    relay();
    setControlsEnabled(false);
    bool confirmed = false;
    {
        DlgFuzzyPara dialog(dialogLanguage(), this);
        dialog.setCountText(m_FuzzyCount);
        dialog.setMaxToleranceText(m_FuzzyMaxTolerance);
        if (m_runDialog) {
            m_runDialog(dialog);
        } else {
            dialog.exec();
        }
        confirmed = dialog.Confirmed;
        if (confirmed) {
            m_FuzzyCount = dialog.countText();
            m_FuzzyMaxTolerance = dialog.maxToleranceText();
        }
    }
    QApplication::processEvents();
    if (confirmed) {
        const auto whole = [](const QString& t) {
            bool ok = false;
            const int value = t.trimmed().toInt(&ok);
            return ok ? value : 0;
        };
        const int count = whole(m_FuzzyCount);
        const int tolerance = whole(m_FuzzyMaxTolerance);
        if (count < 1 || tolerance < 1) {
            if (services().messageBoxes != nullptr) {
                services().messageBoxes->show(this, text(TextID::Ungueltige_Argumente_Fuzzy_Suche),
                                              QString::fromLatin1(shell::contract::ProgramTitle),
                                              Messages::Icon::Exclamation, Messages::Buttons::Ok);
            }
        } else {
            Search(true, count, tolerance);
        }
    }
    setControlsEnabled(true);
}

QString uctlCompositionSearch::ExportFolder() {
    const auto program = orvik::common::ProgrammSettings().ApplicationPath();
    const std::filesystem::path folder =
        std::filesystem::path(orvik::common::DataFolder::WritableRoot(program, "export")) / "export";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return QString::fromStdString(folder.string());
}

void uctlCompositionSearch::SaveComposition() {
    relay();
    if (services().fileDialogs == nullptr) {
        return;
    }
    const auto file = services().fileDialogs->saveFileName(this, QStringLiteral("Analyse speichern"),
                                                           ExportFolder(), fileFilter, QStringLiteral("anl"));
    if (file.trimmed().isEmpty()) {
        return;
    }
    if (!file.contains(QStringLiteral(".anl"))) {
        information(text(TextID::Analyse_Speichern_falsche_Dateiendung));
        return;
    }
    const QString country = application() ? qs(application()->CountrySmbol(selectedCountry())) : QString();
    const QString materialNo = material() ? qs(material()->MaterialNo()) : QString();
    m_grid->WriteFile(file, country, m_lblSuchenAnalyse->text(), materialNo);
}

void uctlCompositionSearch::LoadComposition(const QString& given) {
    relay();
    QString file = given;
    if (file.trimmed().isEmpty()) {
        if (services().fileDialogs == nullptr) {
            return;
        }
        file = services().fileDialogs->openFileName(this, QStringLiteral("Analyse laden"), ExportFolder(),
                                                    fileFilter);
    }
    if (file.trimmed().isEmpty()) {
        return;
    }
    if (!file.contains(QStringLiteral(".anl"))) {
        information(text(TextID::Analyse_Speichern_falsche_Dateiendung));
        return;
    }
    Analysis analysis;
    const auto status =
        AnalysisFile::Read(file.toStdString(), orvik::common::Helper::GetDecimalString(), analysis);
    if (status != AnalysisFile::Status::Loaded) {
        information(text(status == AnalysisFile::Status::Damaged
                             ? TextID::Fehlerhafter_Aufbau_einer_gespeicherten_Analysedatei
                             : TextID::Dies_ist_keine_Graukant_Analyse_oder_die_Datei_ist_beschaedigt));
        return;
    }
    if (!IsAdvanced() && !AnalysisFile::FitsSimpleGrid(analysis)) {
        if (services().messageBoxes != nullptr &&
            services().messageBoxes->show(this, text(TextID::Keine_Standard_Analyse_Suche),
                                          QString::fromLatin1(shell::contract::ProgramTitle),
                                          Messages::Icon::Question,
                                          Messages::Buttons::YesNo) == Messages::Answer::Yes) {
            emit UnableToLoadStandardComparisonFromDisk(file);
        }
        return;
    }
    try {
        // The country symbol of the file reaches the query only quoted by the data service.
        if (application() && !analysis.Country.empty()) {
            const auto id = application()->countryId(analysis.Country);
            if (id > 0) {
                selectCountry(id);
            }
        }
        showAnalysisName(qs(analysis.Designation));
        m_lblSuchenAnalyse->show();
        m_cboSuchenAnalyse->hide();
        m_grid->LoadRows(analysis);
    } catch (const platform::CallError& e) {
        error(QStringLiteral("loadAnalyse"), e.number(), qs(e.description()));
    }
}

void uctlCompositionSearch::ChangeElementEntry() {
    m_grid->ChangeElementEntry();
}

void uctlCompositionSearch::ResetControl() {
    m_grid->Clear();
    m_materialList->ClearList();
    m_hits->Reset();
    if (m_cboSuchenLand->count() > 0) {
        m_cboSuchenLand->setCurrentIndex(0);
    }
    m_cboSuchenAnalyse->clear();
    m_cboSuchenAnalyse->show();
    m_cboSuchenAnalyse->setEnabled(false);
    m_cmdAnalyseUebernehmen->setEnabled(false);
    m_analysisListEnabled = false;
    m_lblSuchenAnalyse->hide();
    m_shownSteel.clear();
}

void uctlCompositionSearch::languageAboutToChange() {
    m_savedCountryId = selectedCountry();
}

void uctlCompositionSearch::languageChanged() {
    relay();
    // The main window has refilled the shared list's countries for every panel already; asking the
    // list again would set every other panel's country list back to its first entry.
    if (m_grid->isEnabled() && m_savedCountryId) {
        Show();
        selectCountry(*m_savedCountryId);
    }
    m_savedCountryId.reset();
    if (dialogLanguage() != nullptr && dialogLanguage()->LanguageClass()) {
        orvik::common::qt::QtLanguageForm form(*this);
        dialogLanguage()->LanguageClass()->adjustForm(form);
    }
    m_grid->applyCaptions();
    if (m_cboSuchenLand->count() > 0) {
        m_cboSuchenLand->setItemText(0, text(TextID::alle));
    }
}

void uctlCompositionSearch::showEvent(QShowEvent* event) {
    CompositionSearchPanel::showEvent(event);
    relay();
    // The list sizes its columns by its view, which has its final width only once it is shown.
    // Only the columns: the hit the user went to stays marked.
    QTimer::singleShot(0, m_materialList, &display::uctlMaterialList::layoutColumns);
}

bool uctlCompositionSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        emit HideToolTip();
        emit DisplayStatusBarText(statusBarText());
    }
    return CompositionSearchPanel::eventFilter(watched, event);
}

} // namespace composition
