#pragma once

#include <QStyledItemDelegate>

namespace controls {

/// When the grid shows its selection.
enum class HighLight { Never, Always, WithFocus };

/// Paints the grid's cells: heading cells shaded like buttons, a cell's picture at its own
/// alignment, and the selection only as the grid's highlight setting allows. Owned by its grid.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] HighLight highLight() const { return m_highLight; }
    void setHighLight(HighLight mode) { m_highLight = mode; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    HighLight m_highLight = HighLight::Always;
};

} // namespace controls
