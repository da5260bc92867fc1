#pragma once

#include <QRect>
#include <QString>

class QObject;
class QWidget;

namespace controls {

/// What every placed control offers its window beside Qt's own members: a free text tag, a help
/// context number, and its place in twips within its parent. Kept as dynamic properties ("tag",
/// "helpContextId"), so that any widget, panels included, carries them the same way.
[[nodiscard]] QString tag(const QWidget& control);
void setTag(QWidget& control, const QString& tag);

/// 0 when none was set. Menu items (actions) carry theirs the same way.
[[nodiscard]] int helpContextId(const QObject& control);
void setHelpContextId(QObject& control, int id);

/// Left, top, width and height in twips.
[[nodiscard]] QRect geometryTwips(const QWidget& control);
void moveTwips(QWidget& control, int left, int top, int width, int height);

} // namespace controls
