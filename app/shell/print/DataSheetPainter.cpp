#include "DataSheetPainter.h"

#include "DataSheetPages.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace shell::print {

namespace {

QPageLayout dataSheetLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void paintItem(QPainter& painter, const PageItem& item) {
    switch (item.kind) {
    case PageItem::Kind::Text:
        painter.setFont(item.font);
        painter.drawText(item.rect, static_cast<int>(item.alignment | Qt::AlignTop | Qt::TextSingleLine),
                         item.text);
        break;
    case PageItem::Kind::Rule:
        painter.drawLine(item.rect.topLeft(), item.rect.topRight());
        break;
    case PageItem::Kind::Fill:
        painter.fillRect(item.rect, QColor(0xE8, 0xE8, 0xE8));
        break;
    }
}

} // namespace

void setDataSheetPage(QPagedPaintDevice& device) {
    device.setPageLayout(dataSheetLayout());
}

DataSheetPainter::DataSheetPainter(const orvik::objects::ReportDocument& document, QFont font)
    : m_document(document), m_font(std::move(font)) {}

void DataSheetPainter::paintPage(QPainter& painter, const DataSheetPages& pages, int index) {
    QPen rule(QColor(0x70, 0x70, 0x70));
    rule.setWidthF(painter.device()->logicalDpiY() / 150.0);
    painter.setPen(rule);
    const auto draw = [&painter, &rule](const std::vector<PageItem>& items) {
        for (const auto& item : items) {
            painter.setPen(item.kind == PageItem::Kind::Rule ? rule : QPen(Qt::black));
            paintItem(painter, item);
        }
    };
    draw(pages.head());
    draw(pages.pages()[static_cast<std::size_t>(index)].items);
    draw(pages.foot(index));
}

bool DataSheetPainter::paint(QPagedPaintDevice& device, int* pages) const {
    const auto area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const DataSheetPages laidOut(m_document, m_font, device, QSizeF(area.size()));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int i = 0; i < laidOut.pageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        paintPage(painter, laidOut, i);
    }
    if (pages != nullptr) {
        *pages = laidOut.pageCount();
    }
    return painter.end();
}

QImage DataSheetPainter::pageImage(int index, int dpi) const {
    const auto layout = dataSheetLayout();
    const auto full = layout.fullRectPixels(dpi);
    QImage image(full.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    image.fill(Qt::white);
    const auto area = layout.paintRectPixels(dpi);
    const DataSheetPages laidOut(m_document, m_font, image, QSizeF(area.size()));
    if (index < 0 || index >= laidOut.pageCount()) {
        return {};
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    paintPage(painter, laidOut, index);
    return image;
}

} // namespace shell::print
