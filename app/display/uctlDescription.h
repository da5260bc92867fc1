#pragma once

#include "platform/Event.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panel.h"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace display {

/// The description at the top of the main window: seven read-only rows (material number, symbols,
/// trade names, steel group, supplier, standards, country) in the frame `fraBeschreibung`, showing
/// the strings of the shared display info and following its notifications. It computes nothing.
class uctlDescription : public shell::contract::Panel {
    Q_OBJECT

public:
    enum RowIndex { MaterialNumber, Symbols, Tradenames, Steelgroup, Supplier, Standards, Country, RowCount };

    explicit uctlDescription(QWidget* parent = nullptr);
    ~uctlDescription() override;

    /// Follows the display info's notifications (the display panels' own implementation).
    void setMaterialDisplayInfo(std::shared_ptr<shell::contract::MaterialDisplayInfo> info) override;
    /// The text of a row as shown (line breaks as "\n").
    [[nodiscard]] QString rowText(int row) const;
    [[nodiscard]] QString caption(int row) const;

protected:
    void languageChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void infoChanged();
    void setRow(int row, const std::string& text);

    QGroupBox* m_frame = nullptr; // owned by this panel
    std::array<QLabel*, RowCount> m_labels{};
    std::array<QPlainTextEdit*, RowCount> m_texts{};
    platform::Subscription m_infoChanged;
    platform::Subscription m_supplierChanged;
    platform::Subscription m_tradeNamesChanged;
};

} // namespace display
