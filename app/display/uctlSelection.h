#pragma once

#include "common/TextID.h"
#include "objects/List.h"
#include "platform/Event.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panels.h"

#include <array>
#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace display {

class uctlMaterialList;

/// The page on which the user finds a steel by its designation: four filter lists (steel group,
/// standard, supplier, country) with type-ahead, the designation kinds to include, a search box and
/// the material list. Applying the filters asks the object model's designation search; a search
/// text jumps to the first designation starting with it, or, holding wildcards, asks the search
/// again with it as a pattern. Every list found is handed to the combination of results; the chosen
/// designation goes to the main window after the supplier filter was put into the display info.
///
/// A failed search shows the error window. The chosen filters survive a language switch by their
/// ids (the lists come back sorted in the new language); a filter whose entry is gone falls back to
/// "all".
class uctlSelection : public shell::contract::SelectionPanel {
    Q_OBJECT

public:
    explicit uctlSelection(QWidget* parent = nullptr);
    ~uctlSelection() override;

    void setApplication(std::shared_ptr<orvik::objects::Application> application) override;
    void setList(std::shared_ptr<orvik::objects::List> list) override;
    void setStatusBarText(const QString& text) override;

    void Init() override;
    [[nodiscard]] int Count() const override;
    [[nodiscard]] bool IsFilter() const override { return m_patternResult != nullptr; }
    [[nodiscard]] int FilterCount() const override;
    void ClearMaterialList() override;
    void ReloadMaterialList() override;
    void Search() override;
    void SelectDesignation(const QString& idDesignationCountry) override;
    void Show() override;

    /// The filter lists, in the order of their labels.
    enum Filter { Steelgroup, Standard, Supplier, Country, FilterCount_ };
    [[nodiscard]] QComboBox& filter(Filter which) const { return *m_filters[which]; }
    [[nodiscard]] QCheckBox& materialNumbers() const { return *m_materialNumbers; }
    [[nodiscard]] QCheckBox& symbols() const { return *m_symbols; }
    [[nodiscard]] QCheckBox& tradenames() const { return *m_tradenames; }
    [[nodiscard]] QLineEdit& searchBox() const { return *m_search; }
    [[nodiscard]] QPlainTextEdit& standardInfo() const { return *m_standardInfo; }
    [[nodiscard]] uctlMaterialList& materialList() const { return *m_list; }
    /// Presses Enter in the search box.
    void searchEntered();

protected:
    void languageAboutToChange() override;
    void languageChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Applied {
        std::int32_t steelgroup = -1;
        std::int32_t standard = -1;
        std::int32_t standardType = 0;
        std::int32_t supplier = -1;
        /// The supplier of `supplier`; none for all suppliers.
        std::shared_ptr<orvik::objects::Supplier> supplierEntry;
        std::int32_t country = -1;
        bool tradenames = true;
        bool symbols = true;
        bool materialNumbers = true;
    };
    /// What a language switch keeps: the chosen entry of each list by its id, and the boxes.
    struct Saved {
        std::array<std::optional<std::int32_t>, FilterCount_> ids;
        bool materialNumbers = true;
        bool symbols = true;
        bool tradenames = true;
    };

    void fillFromDictionary(QComboBox& combo, const orvik::objects::List::Countries_t& entries);
    void fillStandards(const std::shared_ptr<orvik::objects::List::Standards_t>& standards);
    void fillSuppliers(const std::shared_ptr<orvik::objects::Suppliers>& suppliers);
    void materialsAvailable(const std::shared_ptr<platform::db::Recordset>& records,
                            const std::string& pattern);
    void listFailed(const std::shared_ptr<const orvik::common::Exception>& error);
    [[nodiscard]] Applied readFilters() const;
    [[nodiscard]] std::int32_t itemId(Filter which) const;
    /// The id that identifies the chosen entry across languages (for standards the standard's id).
    [[nodiscard]] std::optional<std::int32_t> stableId(Filter which) const;
    void selectStableId(Filter which, std::optional<std::int32_t> id);
    [[nodiscard]] std::shared_ptr<orvik::objects::Supplier> chosenSupplier() const;
    [[nodiscard]] const orvik::objects::StandardListEntry* chosenStandard() const;
    void resetFilters();
    void kindToggled(QCheckBox* box);
    void showStandardInfo();
    void showFilterToolTip(Filter which);
    void materialSelected(const shell::contract::ActivatedMaterial& material);
    void keyReleasedInSearch(int key);
    /// "Suche erfolglos" in the status bar while the list is empty.
    void reportEmptyList();
    void message(orvik::common::TextID id);
    /// Hands the relay and the application on to the material list.
    void syncList();

    std::array<QComboBox*, FilterCount_> m_filters{};
    std::array<QLabel*, FilterCount_> m_labels{};
    QGroupBox* m_filterFrame = nullptr;
    QGroupBox* m_designationFrame = nullptr;
    QCheckBox* m_materialNumbers = nullptr;
    QCheckBox* m_symbols = nullptr;
    QCheckBox* m_tradenames = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_reset = nullptr;
    QLineEdit* m_search = nullptr;
    QPlainTextEdit* m_standardInfo = nullptr;
    uctlMaterialList* m_list = nullptr;

    Applied m_applied;
    std::shared_ptr<orvik::objects::List::Standards_t> m_standards;
    std::shared_ptr<orvik::objects::Suppliers> m_supplierList;
    std::shared_ptr<platform::db::Recordset> m_currentDesignationList;
    std::shared_ptr<platform::db::Recordset> m_patternResult;
    std::optional<Saved> m_saved;
    bool m_queryFailed = false;
    std::vector<platform::Subscription> m_listEvents;
};

} // namespace display
