#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace orvik::objects {
class ReportDocument;
}

namespace platform::qt {
class MessageBoxes;
}

namespace shell::contract {
class FileDialogs;
}

namespace shell::print {

/// Sends the laid-out data sheet to the program's printer choice or into a PDF file. The printer is
/// the one the main window keeps for the run: the print dialog starts on it and a printer chosen
/// there stays chosen for the run, while the system's default printer is never changed. Where no
/// printer is installed the user is told so and offered to save the data sheet as a PDF file.
class DataSheetOutput {
public:
    enum class Result { Printed, SavedAsPdf, Cancelled, Failed };

    /// What printing asks of the system and of the user; a test answers instead.
    struct Services {
        platform::qt::MessageBoxes* messages = nullptr;
        contract::FileDialogs* files = nullptr;
        /// True when at least one printer is installed; by default the system's printer list.
        std::function<bool()> printerInstalled;
        /// Lets the user confirm or change the printer; by default the print dialog.
        std::function<bool(QPrinter&, QWidget*)> choosePrinter;
    };

    DataSheetOutput(const orvik::objects::ReportDocument& document, QFont font);

    /// Writes every page into `file`, replacing it; false when it cannot be written.
    [[nodiscard]] bool savePdf(const QString& file) const;
    /// Prints on `printer` after the user confirmed it, on the paper and in the orientation chosen
    /// then (the dialog offers the data sheet's A4 portrait); without a printer, offers the PDF file.
    /// `language` chooses the texts of the messages (0 German, 1 French, otherwise English). Failed
    /// means the PDF file could not be written, which the user was told. Throws platform::CallError
    /// (PrinterError, or PathFileAccessError for a print into a file) saying why when the printer
    /// took no data sheet.
    Result print(QWidget* parent, QPrinter& printer, const Services& services, std::int32_t language) const;
    /// Asks for a file and saves the PDF there; Cancelled when the user chose none.
    Result saveAsPdf(QWidget* parent, const Services& services, std::int32_t language) const;

private:
    const orvik::objects::ReportDocument& m_document;
    QFont m_font;
};

/// Today's date as the foot of the data sheet shows it: 10.12.2026 in German, 10/12/2026 in French,
/// 10 Dec 2026 in English (any other language).
[[nodiscard]] std::string printDate(std::int32_t language);

} // namespace shell::print
