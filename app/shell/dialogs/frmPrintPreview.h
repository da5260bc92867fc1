#pragma once

#include "DataSheetOutput.h"
#include "objects/ReportDocument.h"

#include <QFont>
#include <QPrintPreviewDialog>
#include <memory>

namespace orvik::objects {
class Report;
}

namespace shell::contract {
class ErrorWindow;
}

namespace shell::dialogs {

/// The print preview of the data sheet: the report handed in laid out on A4 pages in the font of the
/// print settings, fitted to the window's width, paged through and zoomed with the preview's tools
/// and printed from there as the print settings print: through the print dialog on the program's
/// printer, or, where no printer is installed, into a PDF file the user is offered. A report that
/// cannot be laid out shows the error window and the preview closes without showing an empty page.
class frmPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT

public:
    frmPrintPreview(QWidget* parent, QPrinter& printer, std::shared_ptr<orvik::objects::Report> report,
                    QFont font, contract::ErrorWindow* errors, std::int32_t language);

    /// False when the report could not be laid out; the preview then shows nothing.
    [[nodiscard]] bool loaded() const noexcept { return m_loaded; }
    [[nodiscard]] const orvik::objects::ReportDocument& document() const noexcept { return m_document; }
    /// The number of pages the preview shows.
    [[nodiscard]] int pageCount() const;

    int exec() override;

    /// What printing from the preview asks of the system and of the user.
    print::DataSheetOutput::Services printServices;
    /// The preview's printer button: prints the data sheet and closes the preview once it is printed
    /// or saved; a print that fails shows the error window and the preview stays.
    void printFromPreview();

private:
    void paintPages(QPrinter* printer) const;

    orvik::objects::ReportDocument m_document;
    QFont m_font;
    contract::ErrorWindow* m_errors;
    std::int32_t m_language;
    bool m_loaded = false;
};

} // namespace shell::dialogs
