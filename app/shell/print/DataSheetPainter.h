#pragma once

#include <QFont>
#include <QString>

class QImage;
class QPagedPaintDevice;
class QPainter;

namespace orvik::objects {
class ReportDocument;
}

namespace shell::print {

class DataSheetPages;

/// Paints the data sheet: every page on a printer or a PDF writer (on the page the caller set),
/// or one page into an image. The pages are laid out for the device they are painted on, in the
/// font given (the font of the print settings).
class DataSheetPainter {
public:
    DataSheetPainter(const orvik::objects::ReportDocument& document, QFont font);

    /// Paints every page, a new page each; false when the device cannot be painted on (a file that
    /// cannot be written, a printer that refuses). Returns the number of pages through `pages`.
    bool paint(QPagedPaintDevice& device, int* pages = nullptr) const;
    /// Page `index` (from 0) at `dpi` on white, A4 with the margins of the printed page; a null
    /// image when there is no such page.
    [[nodiscard]] QImage pageImage(int index, int dpi) const;

    /// The body font of the data sheet.
    [[nodiscard]] const QFont& font() const noexcept { return m_font; }

private:
    static void paintPage(QPainter& painter, const DataSheetPages& pages, int index);

    const orvik::objects::ReportDocument& m_document;
    QFont m_font;
};

/// The data sheet's page: A4 portrait with margins of 15 mm, on any paged device.
void setDataSheetPage(QPagedPaintDevice& device);

} // namespace shell::print
