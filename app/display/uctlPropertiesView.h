#pragma once

#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panels.h"

#include <map>
#include <memory>

class QComboBox;
class QLabel;

namespace orvik::objects {
class PropertyBags;
}

namespace display {

class uctlPropertyViewGrid;

/// The property tables of the steel shown, for one page (mechanical properties, physical
/// properties or heat treatment: two property types and the text for no data): a standard choice
/// (`cboStandard`, all or one) and the tables of the chosen standards in a property view grid.
class uctlPropertiesView : public shell::contract::PropertiesViewPanel {
    Q_OBJECT

public:
    explicit uctlPropertiesView(QWidget* parent = nullptr);
    ~uctlPropertiesView() override;

    void SetHelpContextId(int contextId) override;
    void setTitle(int title) override { m_title = title; }
    void setFirstPropertyType(int type) override { m_firstType = type; }
    void setSecondPropertyType(int type) override { m_secondType = type; }
    void Show() override;
    void Clear() override;

    [[nodiscard]] QComboBox& standards() const noexcept { return *m_standards; }
    [[nodiscard]] uctlPropertyViewGrid& tables() const noexcept { return *m_grid; }
    /// Shows the tables of the entry at that position of the choice.
    void ShowSelectedStandard(int index);

protected:
    void languageChanged() override;

private:
    void FillStandardCombo(const orvik::objects::PropertyBags& bags);
    /// The page's text for no tables, or that its tables could not be read.
    void ShowNoPropertiesText(bool unreadable);
    /// True when a table of this page's kinds of the standard (-1 any) could not be read, or a failed
    /// query left the tables incomplete.
    [[nodiscard]] bool unreadable(const orvik::objects::PropertyBags& bags, int standard) const;
    /// The steel's property tables; nullptr without a steel or when they could not be read.
    [[nodiscard]] std::shared_ptr<orvik::objects::PropertyBags> propertyBags();

    QLabel* m_label = nullptr;
    QComboBox* m_standards = nullptr;
    uctlPropertyViewGrid* m_grid = nullptr;
    int m_title = 0;
    int m_firstType = 0;
    int m_secondType = 0;
    int m_helpContextId = 0;
};

} // namespace display
