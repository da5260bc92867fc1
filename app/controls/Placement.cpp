#include "Placement.h"

#include "Twips.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace controls {

namespace {
constexpr const char* TagProperty = "tag";
constexpr const char* HelpProperty = "helpContextId";
} // namespace

QString tag(const QWidget& control) {
    return control.property(TagProperty).toString();
}

void setTag(QWidget& control, const QString& tag) {
    control.setProperty(TagProperty, tag);
}

int helpContextId(const QObject& control) {
    return control.property(HelpProperty).toInt();
}

void setHelpContextId(QObject& control, int id) {
    control.setProperty(HelpProperty, id);
}

QRect geometryTwips(const QWidget& control) {
    const QRect g = control.geometry();
    return {pixelsToTwips(g.x()), pixelsToTwips(g.y()), pixelsToTwips(g.width()), pixelsToTwips(g.height())};
}

void moveTwips(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(twipsToPixels(left), twipsToPixels(top), std::max(0, twipsToPixels(width)),
                        std::max(0, twipsToPixels(height)));
}

} // namespace controls
