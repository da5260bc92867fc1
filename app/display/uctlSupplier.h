#pragma once

#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panels.h"

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace display {

/// Who supplies the steel shown: a choice of product shape (`cboLieferform`), the suppliers for it
/// (`lstLieferfirma`), and for the supplier picked its address and the shapes it supplies. Picking a
/// supplier makes the description show that supplier's address and trade names through the display
/// info; ShowSupplierInfo drops the pick again.
class uctlSupplier : public shell::contract::SupplierPanel {
    Q_OBJECT

public:
    explicit uctlSupplier(QWidget* parent = nullptr);
    ~uctlSupplier() override;

    void Show() override;
    void Clear() override;
    void ShowSupplierInfo() override;

    [[nodiscard]] QComboBox& shapes() const noexcept { return *m_shapes; }
    [[nodiscard]] QListWidget& suppliers() const noexcept { return *m_suppliers; }
    [[nodiscard]] QString address() const;
    [[nodiscard]] QString supplierShapes() const;
    /// Picks the supplier at that row of the list, as a click does.
    void pickSupplier(int row);

protected:
    void languageChanged() override;

private:
    void FillSupplierListBox();
    void ShowSupplierDetails();

    std::array<QLabel*, 5> m_labels{};
    QComboBox* m_shapes = nullptr;
    QListWidget* m_suppliers = nullptr;
    QPlainTextEdit* m_address = nullptr;
    QPlainTextEdit* m_shapeText = nullptr;
    bool m_shown = false;
};

} // namespace display
