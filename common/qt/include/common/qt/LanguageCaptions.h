#pragma once

#include <QString>

namespace orvik::common::qt {

/// What a grid widget of our own shows the text service: its cells by row and column, the heading
/// rows being the fixed rows from 0. A grid stand-in implements it beside QWidget.
class GridCaptions {
public:
    virtual ~GridCaptions() = default;
    [[nodiscard]] virtual int captionRows() const = 0;
    [[nodiscard]] virtual int captionCols() const = 0;
    [[nodiscard]] virtual int captionFixedRows() const = 0;
    [[nodiscard]] virtual QString captionText(int row, int col) const = 0;
    virtual void setCaptionText(int row, int col, const QString& text) = 0;
    /// Width of a column in pixels.
    [[nodiscard]] virtual int captionColWidth(int col) const = 0;
};

/// What a list bar widget shows the text service: groups and their items by position from 0, each
/// with its own index.
class ListBarCaptions {
public:
    virtual ~ListBarCaptions() = default;
    [[nodiscard]] virtual int captionGroupCount() const = 0;
    [[nodiscard]] virtual int captionGroupIndex(int group) const = 0;
    [[nodiscard]] virtual QString captionGroupText(int group) const = 0;
    virtual void setCaptionGroupText(int group, const QString& text) = 0;
    [[nodiscard]] virtual int captionItemCount(int group) const = 0;
    [[nodiscard]] virtual int captionItemIndex(int group, int item) const = 0;
    [[nodiscard]] virtual QString captionItemText(int group, int item) const = 0;
    virtual void setCaptionItemText(int group, int item, const QString& text) = 0;
};

} // namespace orvik::common::qt
