// The print settings: the dependencies of the section boxes, the switches and lists they give the
// print writer, the choices kept for the next opening, the preview of the sample steel's data sheet
// in the chosen font, failures that show the error window and preview or print nothing, and printing
// without a printer into a PDF file.

#include "DataSheetReport.h"
#include "SampleSteel.h"
#include "WindowFakes.h"
#include "common/Enums.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "frmPrintPreview.h"
#include "frmPrintSettings.h"
#include "frmPropertyPrintRange.h"
#include "objects/Material.h"
#include "objects/PrintSteel.h"
#include "objects/Report.h"
#include "platform/UserNotifier.h"
#include "platform/UserSettings.h"
#include "shell/contract/DialogLanguage.h"
#include "test_support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <filesystem>

namespace {

using shell::dialogs::frmPrintPreview;
using shell::dialogs::frmPrintSettings;
using shell::dialogs::frmPropertyPrintRange;
using Box = frmPrintSettings::Box;

struct Fixture {
    apptest::SampleSteel steel;
    apptest::FakeMessageBoxes messages;
    apptest::FakeFileDialogs files;
    apptest::FakeErrorWindow errors;

    [[nodiscard]] shell::contract::DialogContext context() {
        shell::contract::DialogContext context;
        context.services.messageBoxes = &messages;
        context.services.fileDialogs = &files;
        context.services.errorWindow = &errors;
        context.application = steel.application();
        context.material = steel.material();
        return context;
    }
};

/// The messages the libraries would show the user.
class RecordingNotifier final : public platform::UserNotifier {
public:
    void show(const platform::UserMessage& message) override { texts.push_back(message.text); }
    std::vector<std::string> texts;
};

void set(frmPrintSettings& dialog, Box box, bool on) {
    dialog.chkPrintoptions(box).setChecked(on);
}
bool checked(const frmPrintSettings& dialog, Box box) {
    return dialog.chkPrintoptions(box).isChecked();
}
bool enabled(const frmPrintSettings& dialog, Box box) {
    return dialog.chkPrintoptions(box).isEnabled();
}

class PrintSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void theBoxesDependOnEachOther() {
        Fixture f;
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        QVERIFY(checked(dialog, Box::All));
        for (int i = 1; i < Box::BoxCount; ++i) {
            QVERIFY(!dialog.chkPrintoptions(i).isEnabled());
        }
        QVERIFY(dialog.cboProductShape().isEnabled());
        set(dialog, Box::All, false);
        QVERIFY(enabled(dialog, Box::Suppliers));
        QVERIFY(!enabled(dialog, Box::Mechanical));
        QVERIFY(!dialog.cmdPropertyPrintRange(0).isEnabled());

        set(dialog, Box::Properties, true);
        for (const auto box : {Box::Mechanical, Box::Physical, Box::HeatTreatment}) {
            QVERIFY(checked(dialog, box));
            QVERIFY(enabled(dialog, box));
        }
        for (int i = 0; i < 4; ++i) {
            QVERIFY(dialog.cmdPropertyPrintRange(i).isEnabled());
        }
        set(dialog, Box::Physical, false);
        QVERIFY(!dialog.cmdPropertyPrintRange(3).isEnabled());
        set(dialog, Box::Properties, false);
        QVERIFY(!checked(dialog, Box::Mechanical) && !enabled(dialog, Box::Mechanical));

        set(dialog, Box::Shapes, true);
        QVERIFY(checked(dialog, Box::Suppliers));
        QVERIFY(dialog.cboProductShape().isEnabled());
        set(dialog, Box::Address, true);
        set(dialog, Box::Suppliers, false);
        for (const auto box : {Box::Address, Box::Shapes, Box::Tradename}) {
            QVERIFY(!checked(dialog, box));
        }
        QVERIFY(!dialog.cboProductShape().isEnabled());
    }

    void theBoxesGiveThePrintWriterItsSwitches() {
        Fixture f;
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        orvik::objects::PrintSteel all;
        dialog.fillPrintSteel(all);
        for (const bool on :
             {all.PrintStandards, all.PrintSteelgroup, all.PrintRangeOfApplication, all.PrintSuppliers,
              all.PrintAddress, all.PrintShapes, all.PrintTradename, all.PrintComposition,
              all.PrintMechanicalProperties, all.PrintPhysicalProperties, all.PrintHeatTreatment,
              all.PrintStandardsComparsion, all.PrintInfo}) {
            QVERIFY(on);
        }
        set(dialog, Box::All, false);
        set(dialog, Box::Composition, true);
        set(dialog, Box::Tradename, true);
        set(dialog, Box::Properties, true);
        set(dialog, Box::HeatTreatment, false);
        orvik::objects::PrintSteel some;
        dialog.fillPrintSteel(some);
        QVERIFY(some.PrintComposition && some.PrintSuppliers && some.PrintTradename);
        QVERIFY(!some.PrintAddress && !some.PrintShapes);
        QVERIFY(some.PrintMechanicalProperties && some.PrintPhysicalProperties && !some.PrintHeatTreatment);
        QVERIFY(!some.PrintStandards && !some.PrintSteelgroup && !some.PrintRangeOfApplication &&
                !some.PrintInfo && !some.PrintStandardsComparsion);
    }

    void theChoicesAreKeptForTheNextOpening() {
        Fixture f;
        {
            frmPrintSettings dialog(f.context(), f.steel.programFolder());
            set(dialog, Box::All, false);
            set(dialog, Box::Info, true);
            set(dialog, Box::Comparison, true);
            set(dialog, Box::Properties, true);
            set(dialog, Box::HeatTreatment, false);
            set(dialog, Box::Tradename, true);
            dialog.cboFonts().setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
            dialog.cboFontSize().setCurrentText(QStringLiteral("12"));
            dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        }
        frmPrintSettings again(f.context(), f.steel.programFolder());
        QVERIFY(!checked(again, Box::All));
        QVERIFY(checked(again, Box::Info) && checked(again, Box::Comparison));
        QVERIFY(!checked(again, Box::Composition));
        QVERIFY(checked(again, Box::Properties) && checked(again, Box::Mechanical) &&
                checked(again, Box::Physical));
        QVERIFY(!checked(again, Box::HeatTreatment));
        QVERIFY(checked(again, Box::Suppliers) && checked(again, Box::Tradename) &&
                !checked(again, Box::Address));
        QCOMPARE(again.chosenFont().family(), QFont(QStringLiteral("DejaVu Serif")).family());
        QCOMPARE(again.chosenFont().pointSize(), 12);
    }

    void choicesTheStoreCannotTakeAreToldNamingItsFile() {
        Fixture f;
        const auto store = platform::userSettingsFile("Graukant2007");
        QVERIFY(store.has_value());
        std::filesystem::create_directories(store->parent_path());
        const test_support::ScopedReadOnlyFolder readOnly(store->parent_path());
        if (!readOnly.effective()) {
            QSKIP("the folder cannot be made read-only here");
        }
        const auto told = std::make_shared<RecordingNotifier>();
        const platform::ScopedUserNotifier notifier(told);
        {
            frmPrintSettings dialog(f.context(), f.steel.programFolder());
            dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        }
        QVERIFY(!told->texts.empty());
        for (const std::string& text : told->texts) {
            QCOMPARE(QString::fromStdString(text),
                     u"Fehler beim Schreiben der Datei: "_qs + QString::fromStdString(store->string()));
        }
    }

    void previewShowsTheSampleDataSheetInTheChosenFont() {
        Fixture f;
        QTemporaryDir dir;
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        QVERIFY(dialog.cboProductShape().count() >= 2);
        struct Shown {
            QString fonts; // the fonts of the pages as pdffonts lists them
            int pages = 0;
        };
        std::vector<Shown> shown;
        dialog.showPreview = [&](frmPrintPreview& preview) {
            QVERIFY(preview.loaded());
            const auto text = preview.document().Text();
            for (const auto* section : {"Normen\n", "Chemische Analyse\n", "Eigenschaften\n",
                                        "Normenvergleich\n", "Info\n", "Lieferfirmen\n"}) {
                QVERIFY2(text.find(section) != std::string::npos, section);
            }
            preview.show();
            QTRY_VERIFY(preview.pageCount() >= 2);
            // The pages the preview shows, painted into a file to read their fonts.
            const auto file = dir.filePath(QStringLiteral("preview%1.pdf").arg(shown.size()));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            emit preview.paintRequested(&printer);
            QProcess fonts;
            fonts.start(QStringLiteral("pdffonts"), {file});
            QVERIFY(fonts.waitForFinished(60000));
            shown.push_back({QString::fromUtf8(fonts.readAllStandardOutput()), preview.pageCount()});
            preview.close();
        };
        dialog.cboFonts().setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        dialog.cboFontSize().setCurrentText(QStringLiteral("8"));
        dialog.cmdPrint_Click(0);
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY(f.errors.shown.empty());
        // The dialog stays open for another preview, written anew in the font chosen then.
        dialog.cboFonts().setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
        dialog.cboFontSize().setCurrentText(QStringLiteral("12"));
        dialog.cmdPrint_Click(0);
        QCOMPARE(shown.size(), std::size_t{2});
        QVERIFY2(shown[0].fonts.contains(QStringLiteral("DejaVuSerif")), qPrintable(shown[0].fonts));
        QVERIFY2(shown[1].fonts.contains(QStringLiteral("DejaVuSans")), qPrintable(shown[1].fonts));
        QVERIFY2(!shown[1].fonts.contains(QStringLiteral("DejaVuSerif")), qPrintable(shown[1].fonts));
        QVERIFY2(
            shown[0].pages < shown[1].pages,
            qPrintable(
                QStringLiteral("%1 pages at 8 pt, %2 at 12 pt").arg(shown[0].pages).arg(shown[1].pages)));
    }

    void aRestrictedPropertyListReachesTheDataSheet() {
        Fixture f;
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        // Mechanical properties: only the notched bar impact energy.
        dialog.showRange = [](frmPropertyPrintRange& range) {
            range.optRange(1).setChecked(true);
            for (int row = 0; row < range.grdItems(0).count(); ++row) {
                auto* item = range.grdItems(0).item(row);
                item->setSelected(item->text().startsWith(QStringLiteral("Kerbschlagarbeit")));
            }
            range.cmdMove(0).click();
            range.cmdOk_Click();
        };
        dialog.cmdPropertyPrintRange_Click(2);
        QVERIFY(!dialog.PrintAll(2));
        QCOMPARE(dialog.PrintItems(2).count(), 1);
        std::string text;
        dialog.showPreview = [&text](frmPrintPreview& preview) {
            text = preview.document().Text();
        };
        dialog.cmdPrint_Click(0);
        QVERIFY(text.find("Kerbschlagarbeit") != std::string::npos);
        QVERIFY(text.find("Zugfestigkeit") == std::string::npos);
    }

    void aFailedWritingShowsTheErrorWindowAndPreviewsNothing_data() {
        QTest::addColumn<bool>("withoutTemplate");
        QTest::addRow("no print template") << true;
        QTest::addRow("a print table refuses its rows") << false;
    }
    void aFailedWritingShowsTheErrorWindowAndPreviewsNothing() {
        QFETCH(bool, withoutTemplate);
        Fixture f;
        const auto templateFile = std::filesystem::path(f.steel.programFolder()) / "Daten" / "print_org.mdb";
        if (withoutTemplate) {
            std::filesystem::remove(templateFile);
        } else {
            objectstest::changeDatabase(templateFile, {"DROP TABLE tabNormvergleich"});
        }
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        int shown = 0;
        dialog.showPreview = [&shown](frmPrintPreview&) {
            ++shown;
        };
        dialog.cmdPrint_Click(0);
        QCOMPARE(shown, 0);
        QVERIFY(!f.errors.shown.empty());
        QVERIFY(!f.errors.shown.front().description.isEmpty());
        if (withoutTemplate) {
            QCOMPARE(f.errors.shown.front().procedure, QStringLiteral("cmdPrint_Click"));
        }
    }

    // With every section chosen the dialog reads the steel's property lists four times and the writer
    // reads its tables once more: a query that fails among them reaches the user once, from the steel
    // (as the main window shows the steel's errors), and no sheet is shown.
    void aFailedPropertyQueryIsToldOnceWhenPrintingEverything() {
        Fixture f;
        objectstest::changeDatabase(f.steel.program().databaseFolder() / "Graukant.MDB",
                                    {"DROP TABLE tabEigenschaftskennung"});
        QStringList told;
        const auto subscription =
            f.steel.material()->Error.subscribe([&told](const orvik::objects::ErrorPtr& error) {
                told << QString::fromStdString(error->Description());
            });
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        QVERIFY(checked(dialog, Box::All));
        int shown = 0;
        dialog.showPreview = [&shown](frmPrintPreview&) {
            ++shown;
        };
        dialog.cmdPrint_Click(0);
        dialog.cmdPrint_Click(0);
        QCOMPARE(shown, 0);
        QVERIFY2(f.errors.shown.empty(),
                 qPrintable(f.errors.shown.empty() ? QString() : f.errors.shown.front().description));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.front().contains(u"tabEigenschaftskennung"_qs), qPrintable(told.front()));
    }

    // The sheet is written in the language the windows show, also where the settings could not keep
    // it (a program folder installed read-only): captions, texts and the rows of its tables.
    void theSheetIsInTheLanguageTheWindowsShow() {
        Fixture f;
        const test_support::ScopedReadOnlyFolder readOnly(f.steel.program().programFolder());
        if (!readOnly.effective()) {
            QSKIP("the folder cannot be made read-only here");
        }
        const platform::ScopedUserNotifier quiet(std::make_shared<RecordingNotifier>());
        orvik::common::ProgrammSettings().CurrentLanguage(orvik::common::Language::German);
        shell::contract::DialogLanguage language;
        language.setLanguageClass(f.steel.application()->LanguageObject());
        language.setLanguage(1);
        f.steel.application()->LanguageObject()->setLanguage(1);
        auto context = f.context();
        context.language = &language;
        frmPrintSettings dialog(context, f.steel.programFolder());
        std::string text;
        dialog.showPreview = [&text](frmPrintPreview& preview) {
            text = preview.document().Text();
        };
        dialog.cmdPrint_Click(0);
        QVERIFY(f.errors.shown.empty());
        QVERIFY2(text.starts_with("Fiche technique du matériau\n"), text.c_str());
        for (const char* caption : {"Normes\n", "Analyse chimique\n"}) {
            QVERIFY2(text.find(caption) != std::string::npos, caption);
        }
        for (const char* german : {"Werkstoffdatenblatt", "Normen\n", "Abmessung", "Fußnote"}) {
            QVERIFY2(text.find(german) == std::string::npos, german);
        }
    }

    void aPreviewThatCannotLoadShowsTheErrorWindowAndCloses() {
        Fixture f;
        QTemporaryDir empty;
        // The report points at a folder without print database.
        const auto report = orvik::objects::openDataSheetReport(
            f.steel.programFolder() + "Reports/Report.rpt", empty.path().toStdString() + "/",
            [](orvik::objects::ReportTable&) {});
        QPrinter printer;
        frmPrintPreview preview(nullptr, printer, report, QFont(), &f.errors, 0);
        QVERIFY(!preview.loaded());
        QCOMPARE(f.errors.shown.size(), std::size_t{1});
        QCOMPARE(f.errors.shown.front().modul, QStringLiteral("frmPrintPreview"));
        QCOMPARE(preview.exec(), int(QDialog::Rejected));
        QVERIFY(!preview.isVisible());
    }

    void printingWithoutPrinterSavesThePdfFile() {
        Fixture f;
        QTemporaryDir dir;
        f.files.answer = dir.filePath(QStringLiteral("datenblatt.pdf"));
        f.messages.answers.push_back(platform::qt::MessageBoxes::Answer::Yes);
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        dialog.printServices.printerInstalled = [] {
            return false;
        };
        dialog.cmdPrint_Click(1);
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QVERIFY(QFile::exists(f.files.answer));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(f.errors.shown.empty());
    }

    void thePreviewsPrinterButtonOffersThePdfFileWithoutPrinter_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("question");
        QTest::addRow("German") << 0 << QStringLiteral("Es ist kein Drucker eingerichtet.");
        QTest::addRow("French") << 1 << QStringLiteral("Aucune imprimante n'est installée.");
        QTest::addRow("English") << 2 << QStringLiteral("No printer is installed.");
    }
    void thePreviewsPrinterButtonOffersThePdfFileWithoutPrinter() {
        QFETCH(int, language);
        QFETCH(QString, question);
        Fixture f;
        QTemporaryDir dir;
        f.files.answer = dir.filePath(QStringLiteral("datenblatt.pdf"));
        f.messages.answers.push_back(platform::qt::MessageBoxes::Answer::Yes);
        shell::contract::DialogLanguage relay;
        relay.setLanguage(language);
        auto context = f.context();
        context.language = &relay;
        frmPrintSettings dialog(context, f.steel.programFolder());
        dialog.printServices.printerInstalled = [] {
            return false;
        };
        int result = -1;
        dialog.showPreview = [&result](frmPrintPreview& preview) {
            // Qt's own printing would open a modal window of its own here; it may not stay.
            QTimer::singleShot(5000, [] {
                if (auto* modal = QApplication::activeModalWidget()) {
                    modal->close();
                }
            });
            // The printer button is the last tool of the preview.
            auto* tools = preview.findChild<QToolBar*>();
            QVERIFY(tools != nullptr && !tools->actions().isEmpty());
            tools->actions().last()->trigger();
            result = preview.result();
        };
        dialog.cmdPrint_Click(0);
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QVERIFY2(f.messages.shown.front().text.startsWith(question),
                 qPrintable(f.messages.shown.front().text));
        QVERIFY(QFile::exists(f.files.answer));
        QCOMPARE(result, int(QDialog::Accepted));
        // The print settings stay open for another preview or print.
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(f.errors.shown.empty());
    }

    void thePreviewsPrinterButtonPrintsOnTheChosenPrinter_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("printed");
        QTest::addRow("printed") << QStringLiteral("vorschau.pdf") << true;
        QTest::addRow("refused") << QStringLiteral("no such folder/vorschau.pdf") << false;
    }
    void thePreviewsPrinterButtonPrintsOnTheChosenPrinter() {
        QFETCH(QString, file);
        QFETCH(bool, printed);
        Fixture f;
        QTemporaryDir dir;
        const auto target = dir.filePath(file);
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        dialog.printServices.printerInstalled = [] {
            return true;
        };
        int asked = 0;
        bool fromPreview = false;
        dialog.printServices.choosePrinter = [&](QPrinter& printer, QWidget* parent) {
            ++asked;
            fromPreview = qobject_cast<frmPrintPreview*>(parent) != nullptr;
            printer.setOutputFileName(target);
            return true;
        };
        int result = -1;
        dialog.showPreview = [&result](frmPrintPreview& preview) {
            preview.findChild<QToolBar*>()->actions().last()->trigger();
            result = preview.result();
        };
        dialog.cmdPrint_Click(0);
        QCOMPARE(asked, 1);
        QVERIFY(fromPreview);
        QCOMPARE(QFile::exists(target), printed);
        QCOMPARE(result, printed ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(f.errors.shown.size(), std::size_t{printed ? 0U : 1U});
        if (!printed) {
            QCOMPARE(f.errors.shown.front().modul, QStringLiteral("frmPrintPreview"));
            QVERIFY2(f.errors.shown.front().description.contains(target),
                     qPrintable(f.errors.shown.front().description));
        }
        QVERIFY(f.messages.shown.empty());
    }

    void aPrintThatFailsSaysWhyAndTheDialogStaysOpen() {
        Fixture f;
        QTemporaryDir dir;
        const auto target = dir.filePath(QStringLiteral("no such folder/datenblatt.pdf"));
        frmPrintSettings dialog(f.context(), f.steel.programFolder());
        dialog.printServices.printerInstalled = [] {
            return true;
        };
        dialog.printServices.choosePrinter = [&target](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(target);
            return true;
        };
        dialog.cmdPrint_Click(1);
        QCOMPARE(f.errors.shown.size(), std::size_t{1});
        const auto& shown = f.errors.shown.front();
        QCOMPARE(shown.modul, QStringLiteral("frmPrintSettings"));
        QCOMPARE(shown.procedure, QStringLiteral("cmdPrint_Click"));
        QVERIFY2(shown.description.contains(QStringLiteral("nicht gedruckt")) &&
                     shown.description.contains(target),
                 qPrintable(shown.description));
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

} // namespace

QTEST_MAIN(PrintSettingsTest)
#include "PrintSettingsTest.moc"
