#include "GridDelegate.h"

#include "GridModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace controls {

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    const bool fixed = index.data(GridModel::FixedRole).toBool();
    const auto* view = qobject_cast<const QAbstractItemView*>(opt.widget);
    const bool focused = view != nullptr && view->hasFocus();
    const bool hideSelection =
        fixed || m_highLight == HighLight::Never || (m_highLight == HighLight::WithFocus && !focused);
    if (hideSelection && opt.state.testFlag(QStyle::State_Selected)) {
        opt.state &= ~QStyle::State_Selected;
        // The view has already filled the selected row's panel; paint the cell's own ground over it.
        painter->fillRect(opt.rect, opt.palette.base());
    }
    if (fixed && !index.data(Qt::BackgroundRole).isValid()) {
        painter->fillRect(opt.rect, opt.palette.button());
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::ButtonText));
    }
    QStyledItemDelegate::paint(painter, opt, index);

    const QPixmap picture = index.data(GridModel::PictureRole).value<QPixmap>();
    if (picture.isNull()) {
        return;
    }
    const auto align = static_cast<CellAlign>(index.data(GridModel::PictureAlignmentRole).toInt());
    const QSize size = picture.deviceIndependentSize().toSize().boundedTo(opt.rect.size());
    const QRect target = QStyle::alignedRect(opt.direction, toQtAlignment(align), size, opt.rect);
    painter->drawPixmap(target, picture);
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QPixmap picture = index.data(GridModel::PictureRole).value<QPixmap>();
    if (!picture.isNull()) {
        size = size.expandedTo(picture.deviceIndependentSize().toSize());
    }
    return size;
}

} // namespace controls
