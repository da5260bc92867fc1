// What the main window gets from its dialogs: each opens modally with the context handed in, and the
// options report the changes the main window follows.

#include "ProgramDialogs.h"

#include "ObjectsTestSupport.h"
#include "SampleSteel.h"
#include "WindowFakes.h"
#include "common/ProgrammSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

using shell::dialogs::ProgramDialogs;

// Once the modal dialog of that name is up, `act` works it like a user would.
void whenShown(const QString& name, std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [name, act = std::move(act)] {
        auto* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != name) {
            QTimer::singleShot(10, [name, act] { whenShown(name, act); });
            return;
        }
        act(*dialog);
    });
}

void click(QWidget& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QLatin1String(button))->click();
}

class ProgramDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void optionsReportWhatChanged_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("elementInput");
        QTest::addColumn<bool>("enSuppress");
        QTest::addRow("element entry") << "chkElementDirekt" << true << false;
        QTest::addRow("national EN designations") << "chkSuppressNationalEnDesignations" << false << true;
        QTest::addRow("nothing the main window follows") << "chkMaskenAnpassen" << false << false;
    }
    void optionsReportWhatChanged() {
        QFETCH(QString, box);
        QFETCH(bool, elementInput);
        QFETCH(bool, enSuppress);
        objectstest::TestProgram program;
        apptest::FakeMessageBoxes messages;
        shell::contract::DialogContext context;
        context.services.messageBoxes = &messages;
        ProgramDialogs dialogs({5, 1, 0});
        whenShown(QStringLiteral("dlgOptionen"), [box](QWidget& dialog) {
            auto* check = dialog.findChild<QCheckBox*>(box);
            check->setChecked(!check->isChecked());
            click(dialog, "cmdOk");
        });
        const auto outcome = dialogs.showOptions(context);
        QCOMPARE(outcome.elementInputVariantChanged, elementInput);
        QCOMPARE(outcome.enSuppressChanged, enSuppress);
        QVERIFY(!outcome.databasePathChanged);
    }

    void aNewDatabaseFolderIsReported() {
        objectstest::TestProgram program;
        orvik::common::ProgrammSettings().Datenbankpfad("/old/");
        const auto folder = QString::fromStdString(program.databaseFolder().string());
        shell::contract::DialogContext context;
        ProgramDialogs dialogs({5, 1, 0});
        whenShown(QStringLiteral("dlgOptionen"), [folder](QWidget& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtPfade"))->setText(folder);
            click(dialog, "cmdOk");
        });
        QVERIFY(dialogs.showOptions(context).databasePathChanged);
    }

    void theSupplierExportWritesTheFileTheMainWindowChose() {
        apptest::SampleSteel steel;
        QTemporaryDir dir;
        const auto file = dir.filePath(QStringLiteral("firmen.csv"));
        shell::contract::DialogContext context;
        context.material = steel.material();
        ProgramDialogs dialogs({5, 1, 0});
        whenShown(QStringLiteral("dlgSteuerdatei"), [](QWidget& dialog) { click(dialog, "cmdOk"); });
        dialogs.showSupplierExport(context, file);
        QVERIFY(QFile::exists(file));
    }

    void thePrintSettingsOpenForTheCurrentSteel() {
        apptest::SampleSteel steel;
        shell::contract::DialogContext context;
        context.material = steel.material();
        context.application = steel.application();
        ProgramDialogs dialogs({5, 1, 0});
        bool shown = false;
        whenShown(QStringLiteral("frmPrintSettings"), [&shown](QWidget& dialog) {
            shown = true;
            click(dialog, "cmdCancel");
        });
        dialogs.showPrintSettings(context);
        QVERIFY(shown);
        // Without a steel there is nothing to print, and nothing opens: a dialog that did would be
        // found here and closed.
        context.material = nullptr;
        bool opened = false;
        QTimer watch;
        watch.setSingleShot(true);
        connect(&watch, &QTimer::timeout, [&opened] {
            if (auto* dialog = QApplication::activeModalWidget()) {
                opened = true;
                dialog->close();
            }
        });
        watch.start(0);
        dialogs.showPrintSettings(context);
        QVERIFY(!opened);
    }
};

} // namespace

QTEST_MAIN(ProgramDialogsTest)
#include "ProgramDialogsTest.moc"
