#include "DataSheetOutput.h"

#include "DataSheetPainter.h"
#include "objects/ReportDocument.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/FileDialogs.h"
#include "shell/contract/WindowServices.h"

#include <QDate>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace shell::print {

namespace {

using Messages = platform::qt::MessageBoxes;

// The messages of printing exist in the three languages of the program; a user-defined language
// reads the English ones, as the text database does.
struct Texts {
    QString noPrinter;
    QString saveTitle;
    QString notWritten;
    QString notPrinted;
    QString refusedBy; // %1: the printer's name
    QString refused;
};

Texts texts(std::int32_t language) {
    switch (language) {
    case 0:
        return {
            QStringLiteral("Es ist kein Drucker eingerichtet.\n\nMöchten Sie das Datenblatt als PDF-Datei "
                           "speichern?"),
            QStringLiteral("Datenblatt als PDF-Datei speichern"),
            QStringLiteral("Die Datei konnte nicht geschrieben werden:\n"),
            QStringLiteral("Das Datenblatt wurde nicht gedruckt. "),
            QStringLiteral("Der Drucker „%1“ hat den Auftrag nicht angenommen."),
            QStringLiteral("Der Drucker hat den Auftrag nicht angenommen.")};
    case 1:
        return {
            QStringLiteral("Aucune imprimante n'est installée.\n\nVoulez-vous enregistrer la fiche technique "
                           "comme fichier PDF ?"),
            QStringLiteral("Enregistrer la fiche technique comme fichier PDF"),
            QStringLiteral("Le fichier n'a pas pu être écrit :\n"),
            QStringLiteral("La fiche technique n'a pas été imprimée. "),
            QStringLiteral("L'imprimante « %1 » n'a pas accepté le travail."),
            QStringLiteral("L'imprimante n'a pas accepté le travail.")};
    default:
        return {
            QStringLiteral("No printer is installed.\n\nDo you want to save the data sheet as a PDF file?"),
            QStringLiteral("Save the data sheet as a PDF file"),
            QStringLiteral("The file could not be written:\n"),
            QStringLiteral("The data sheet was not printed. "),
            QStringLiteral("The printer \"%1\" did not accept the job."),
            QStringLiteral("The printer did not accept the job.")};
    }
}

bool systemHasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// Why the printer took no data sheet: a print into a file names the file, else the printer.
platform::CallError printFailure(const QPrinter& printer, std::int32_t language) {
    const auto text = texts(language);
    const auto file = printer.outputFileName();
    if (!file.isEmpty()) {
        return {platform::err::PathFileAccessError, "DataSheetOutput",
                (text.notPrinted + text.notWritten + file).toStdString()};
    }
    const auto name = printer.printerName();
    return {platform::err::PrinterError, "DataSheetOutput",
            (text.notPrinted + (name.isEmpty() ? text.refused : text.refusedBy.arg(name))).toStdString()};
}

} // namespace

DataSheetOutput::DataSheetOutput(const orvik::objects::ReportDocument& document, QFont font)
    : m_document(document), m_font(std::move(font)) {}

bool DataSheetOutput::savePdf(const QString& file) const {
    QPdfWriter writer(file);
    writer.setResolution(600);
    writer.setCreator(QString::fromLatin1(contract::ProgramTitle));
    writer.setTitle(QString::fromStdString(m_document.head.title));
    setDataSheetPage(writer);
    return DataSheetPainter(m_document, m_font).paint(writer);
}

DataSheetOutput::Result DataSheetOutput::saveAsPdf(QWidget* parent, const Services& services,
                                                   std::int32_t language) const {
    if (services.files == nullptr) {
        return Result::Cancelled;
    }
    const auto text = texts(language);
    const auto file = services.files->saveFileName(parent, text.saveTitle, QString(),
                                                   QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty()) {
        return Result::Cancelled;
    }
    if (savePdf(file)) {
        return Result::SavedAsPdf;
    }
    if (services.messages != nullptr) {
        services.messages->show(parent, text.notWritten + file, QString::fromLatin1(contract::ProgramTitle),
                                Messages::Icon::Exclamation, Messages::Buttons::Ok);
    }
    return Result::Failed;
}

DataSheetOutput::Result DataSheetOutput::print(QWidget* parent, QPrinter& printer, const Services& services,
                                               std::int32_t language) const {
    const bool installed = services.printerInstalled ? services.printerInstalled() : systemHasPrinter();
    if (!installed) {
        if (services.messages == nullptr ||
            services.messages->show(parent, texts(language).noPrinter,
                                    QString::fromLatin1(contract::ProgramTitle), Messages::Icon::Question,
                                    Messages::Buttons::YesNo) != Messages::Answer::Yes) {
            return Result::Cancelled;
        }
        return saveAsPdf(parent, services, language);
    }
    // The dialog offers the data sheet's page; the paper and orientation chosen there are kept, the
    // pages are laid out for them.
    setDataSheetPage(printer);
    const bool chosen =
        services.choosePrinter ? services.choosePrinter(printer, parent) : printDialog(printer, parent);
    if (!chosen) {
        return Result::Cancelled;
    }
    if (!DataSheetPainter(m_document, m_font).paint(printer)) {
        throw printFailure(printer, language);
    }
    return Result::Printed;
}

std::string printDate(std::int32_t language) {
    const auto today = QDate::currentDate();
    switch (language) {
    case 0:
        return today.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    case 1:
        return today.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    default:
        return QLocale(QLocale::English).toString(today, QStringLiteral("d MMM yyyy")).toStdString();
    }
}

} // namespace shell::print
