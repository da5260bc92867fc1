#pragma once

#include "platform/Dictionary.h"
#include "platform/Event.h"
#include "shell/contract/Panels.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace display {
class uctlMaterialList;
}
namespace orvik::common {
class CompositionSearchItems;
enum class TextID : std::int32_t;
} // namespace orvik::common
namespace platform::db {
class Recordset;
}

namespace composition {

class DlgFuzzyPara;
class HitComparisonGrid;
class uctlCompositionGrid;

/// The page on which the user searches steels by chemical analysis. The main window holds two:
/// `uctlCompositionSearch` (simple) and `uctlAdvancedCompositionSearch` (IsAdvanced: tolerances
/// below and above, and the search method per row). It takes an analysis of the open steel over
/// into its composition grid, runs the exact or the fuzzy search (the fuzzy one with a progress
/// window that can stop it), shows the hits in its material list and the highlighted hit's analysis
/// beside the criteria, hands every result to the combination builder, and saves and loads analyses
/// (*.anl under export/ in the program folder, or the user's data folder when that cannot be written).
///
/// Owned by the main window, which sets the shared objects and services first (Part of the panel
/// contract); the result set of the last search belongs to the panel and the combination builder.
class uctlCompositionSearch : public shell::contract::CompositionSearchPanel {
    Q_OBJECT

public:
    /// Shows the dialog modally; by default exec().
    using DialogRunner = std::function<void(DlgFuzzyPara&)>;
    /// Told each run of the fuzzy search (number from 1, tolerance); false stops it. By default a
    /// progress window with a cancel button.
    using FuzzyProgress = std::function<bool(int step, int tolerance)>;

    explicit uctlCompositionSearch(const QString& controlName = QStringLiteral("uctlCompositionSearch"),
                                   QWidget* parent = nullptr);
    ~uctlCompositionSearch() override;

    void setIsAdvanced(bool advanced) override;
    void setStatusBarText(const QString& text) override;
    void setApplication(std::shared_ptr<orvik::objects::Application> application) override;
    /// Binds the list and asks it for the countries and elements.
    void setList(std::shared_ptr<orvik::objects::List> list) override;
    void setShift(int shift) override;
    void SelectDesignation(const QString& idDesignationCountry) override;
    /// Fills the analysis list from the open steel.
    void Show() override;
    void Clear() override { ResetControl(); }
    void Search() override { Search(false, 0, 0); }
    void Search(bool isFuzzy, int reqCompositions, int maxTolerance);
    void SaveComposition() override;
    void LoadComposition(const QString& file = {}) override;
    void ChangeElementEntry() override;
    void ResetControl() override;

    /// The fuzzy button: asks for the parameters and searches.
    void FuzzySearch();
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setFuzzyProgress(FuzzyProgress progress) { m_fuzzyProgress = std::move(progress); }

    /// The folder the file dialogs open in.
    [[nodiscard]] static QString ExportFolder();

    [[nodiscard]] uctlCompositionGrid& compositionGrid() const { return *m_grid; }
    [[nodiscard]] display::uctlMaterialList& materialList() const { return *m_materialList; }
    [[nodiscard]] HitComparisonGrid& hitGrid() const { return *m_hits; }
    [[nodiscard]] QComboBox& countryList() const { return *m_cboSuchenLand; }
    [[nodiscard]] QComboBox& analysisList() const { return *m_cboSuchenAnalyse; }
    [[nodiscard]] QLabel& analysisLabel() const { return *m_lblSuchenAnalyse; }
    [[nodiscard]] const std::shared_ptr<platform::db::Recordset>& hits() const noexcept { return m_rsHits; }
    [[nodiscard]] const QString& fuzzyCount() const noexcept { return m_FuzzyCount; }
    [[nodiscard]] const QString& fuzzyMaxTolerance() const noexcept { return m_FuzzyMaxTolerance; }

protected:
    void languageAboutToChange() override;
    void languageChanged() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QString text(orvik::common::TextID id) const;
    void relay();
    void error(const QString& procedure, int number, const QString& description);
    void information(const QString& textShown);
    void setControlsEnabled(bool enabled);
    void fillCountries(const platform::Dictionary<std::string>& countries);
    void selectCountry(int countryId);
    [[nodiscard]] int selectedCountry() const;
    void CopyComposition();
    void SearchComposition(bool isFuzzy, int reqCompositions, int maxTolerance);
    void showHit();
    void showAnalysisName(const QString& name);
    void layoutPanel();

    uctlCompositionGrid* m_grid = nullptr;               // owned by this panel
    display::uctlMaterialList* m_materialList = nullptr; // owned by this panel
    HitComparisonGrid* m_hits = nullptr;                 // owned by this panel
    QFrame* m_fraUebernahme = nullptr;                   // owned by this panel
    QGroupBox* m_fraAnalyseSuchen = nullptr;             // owned by this panel
    QGroupBox* m_fraAnalyseErgebnis = nullptr;           // owned by this panel
    QLabel* m_lblAnalyse = nullptr;                      // owned by this panel
    QLabel* m_lblLand = nullptr;                         // owned by this panel
    QComboBox* m_cboSuchenAnalyse = nullptr;             // owned by this panel
    QPushButton* m_cmdAnalyseUebernehmen = nullptr;      // owned by this panel
    QLabel* m_lblSuchenAnalyse = nullptr;                // owned by this panel
    QComboBox* m_cboSuchenLand = nullptr;                // owned by this panel
    QPushButton* m_cmdAnalyseSuchen = nullptr;           // owned by this panel
    QPushButton* m_cmdAnalyseFuzzySearch = nullptr;      // owned by this panel
    QPushButton* m_cmdAnalyseEintragLoeschen = nullptr;  // owned by this panel
    QPushButton* m_cmdAnalyseListeLoeschen = nullptr;    // owned by this panel

    platform::Subscription m_countriesAvailable;
    std::shared_ptr<platform::db::Recordset> m_rsHits;
    std::shared_ptr<orvik::common::CompositionSearchItems> m_SearchItems;
    QString m_FuzzyCount = QStringLiteral("1");
    QString m_FuzzyMaxTolerance = QStringLiteral("50");
    std::optional<int> m_savedCountryId;
    bool m_analysisListEnabled = false;
    bool m_controlsEnabled = true;
    std::string m_shownSteel; // steel and designation whose analyses the list offers
    DialogRunner m_runDialog;
    FuzzyProgress m_fuzzyProgress;
};

} // namespace composition
