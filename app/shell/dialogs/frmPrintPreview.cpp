#include "frmPrintPreview.h"

#include "DataSheetOutput.h"
#include "DataSheetPainter.h"
#include "DialogSupport.h"
#include "objects/Report.h"
#include "platform/CallError.h"
#include "shell/contract/ErrorWindow.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace shell::dialogs {

frmPrintPreview::frmPrintPreview(QWidget* parent, QPrinter& printer,
                                 std::shared_ptr<orvik::objects::Report> report, QFont font,
                                 contract::ErrorWindow* errors, std::int32_t language)
    : QPrintPreviewDialog(&printer, parent), m_font(std::move(font)), m_errors(errors), m_language(language) {
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(programTitle());
    print::setDataSheetPage(printer);
    try {
        if (!report) {
            throw platform::CallError(platform::err::InvalidProcedureCall, "frmPrintPreview",
                                      "No report to show.");
        }
        m_document = report->Document(print::printDate(language));
        m_loaded = true;
    } catch (const platform::CallError& e) {
        if (errors != nullptr) {
            errors->ShowErrorForm(this, QStringLiteral("frmPrintPreview"), QStringLiteral("Form_Load"),
                                  e.number(), QString::fromStdString(e.description()));
        }
        return;
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this, &frmPrintPreview::paintPages);
    // The preview's own printing would offer Qt's export in place of the program's PDF file where no
    // printer is installed, and say nothing when the printer refuses; its button prints as the
    // print settings do instead.
    for (auto* action : findChildren<QAction*>()) {
        if (QObject::disconnect(action, SIGNAL(triggered(bool)), this, SLOT(_q_print()))) {
            connect(action, &QAction::triggered, this, &frmPrintPreview::printFromPreview);
        }
    }
    if (auto* preview = findChild<QPrintPreviewWidget*>()) {
        preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    }
    resize(900, 1000);
}

void frmPrintPreview::paintPages(QPrinter* printer) const {
    print::DataSheetPainter(m_document, m_font).paint(*printer);
}

void frmPrintPreview::printFromPreview() {
    try {
        const auto result =
            print::DataSheetOutput(m_document, m_font).print(this, *printer(), printServices, m_language);
        if (result == print::DataSheetOutput::Result::Printed ||
            result == print::DataSheetOutput::Result::SavedAsPdf) {
            accept();
        }
    } catch (const platform::CallError& e) {
        if (m_errors != nullptr) {
            m_errors->ShowErrorForm(this, QStringLiteral("frmPrintPreview"), QStringLiteral("Print"),
                                    e.number(), QString::fromStdString(e.description()));
        }
    }
}

int frmPrintPreview::pageCount() const {
    const auto* preview = findChild<QPrintPreviewWidget*>();
    return preview == nullptr ? 0 : preview->pageCount();
}

int frmPrintPreview::exec() {
    if (!m_loaded) {
        return QDialog::Rejected;
    }
    return QPrintPreviewDialog::exec();
}

} // namespace shell::dialogs
