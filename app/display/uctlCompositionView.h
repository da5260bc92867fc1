#pragma once

#include "platform/Variant.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panel.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace controls {
class Grid;
}

namespace display {

/// The chemical compositions of the steel shown: the analyses in `cboAnalyse`, the chosen one element
/// by element in `grdAnalyse` (symbol, minimum or balance, maximum, other text, footnote marks) and
/// its footnotes below in `txtAnalyseFussnote`, each footnote once. Without a steel or without
/// analyses the grid says so and both grid and choice are disabled.
class uctlCompositionView : public shell::contract::Panel {
    Q_OBJECT

public:
    enum Column { Symbol, Minimum, Maximum, Gap, Others, Marks, Rest, ColumnCount };

    explicit uctlCompositionView(QWidget* parent = nullptr);
    ~uctlCompositionView() override;

    void Show() override;
    void Clear() override;

    [[nodiscard]] controls::Grid& grid() const noexcept { return *m_grid; }
    [[nodiscard]] QComboBox& analyses() const noexcept { return *m_analyses; }
    [[nodiscard]] QString footnotes() const;
    /// Shows the analysis at that position of the choice (from 0).
    void showAnalysis(int index);

protected:
    void languageChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitAnalysisGrid();
    void WrapOthersColumn();
    void WriteMinimum(int row, const platform::Variant& value, int decimals);
    void WriteMaximum(int row, const platform::Variant& value, int decimals);
    void MarkOptionalRange(int row, bool optional);

    QLabel* m_label = nullptr;
    QComboBox* m_analyses = nullptr;
    controls::Grid* m_grid = nullptr;
    QPlainTextEdit* m_footnotes = nullptr;
    /// The "other" text of each shown element as the object model gave it, before wrapping.
    QStringList m_others;
    bool m_shown = false;
};

} // namespace display
