// The options dialog: the settings shown as stored and written back by "Ok", the trimmed database
// folder stored only when it holds the databases, the two changes the main window follows, and
// "Abbrechen" writing nothing.

#include "ObjectsTestSupport.h"
#include "WindowFakes.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "dlgOptionen.h"
#include "objects/Application.h"
#include "shell/contract/DialogLanguage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>

namespace {

using orvik::common::ProgrammSettings;
using shell::dialogs::dlgOptionen;

QCheckBox& box(const dlgOptionen& dialog, const char* name) {
    auto* found = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no check box %s", name);
    }
    return *found;
}

QLineEdit& path(const dlgOptionen& dialog) {
    return *dialog.findChild<QLineEdit*>(QStringLiteral("txtPfade"));
}

// Each box with the setting it shows, read back as true or false.
struct Setting {
    const char* box;
    std::function<bool()> read;
    std::function<void(bool)> write;
};

std::vector<Setting> settings() {
    return {{"chkLetztenStahlAktivieren", [] { return ProgrammSettings().StahlAktivieren() != 0; },
             [](bool on) {
                 ProgrammSettings().StahlAktivieren(on ? 1 : 0);
             }},
            {"chkMaskenAnpassen", [] { return ProgrammSettings().AdjustFormSize(); },
             [](bool on) {
                 ProgrammSettings().AdjustFormSize(on);
             }},
            {"chkProgrammende", [] { return ProgrammSettings().EndeBestaetigen() != 0; },
             [](bool on) {
                 ProgrammSettings().EndeBestaetigen(on ? 1 : 0);
             }},
            {"chkDirektsuche", [] { return ProgrammSettings().DirektSuche() != 0; },
             [](bool on) {
                 ProgrammSettings().DirektSuche(on ? 1 : 0);
             }},
            {"chkSuppressNationalEnDesignations",
             [] { return ProgrammSettings().SuppressNationalEnDesignations(); },
             [](bool on) {
                 ProgrammSettings().SuppressNationalEnDesignations(on);
             }},
            {"chkElementDirekt", [] { return ProgrammSettings().DirectElementInput(); },
             [](bool on) {
                 ProgrammSettings().DirectElementInput(on);
             }}};
}

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void everySettingIsShownAndStoredBack() {
        objectstest::TestProgram program;
        for (const bool start : {false, true}) {
            for (const auto& s : settings()) {
                s.write(start);
            }
            apptest::FakeMessageBoxes messages;
            dlgOptionen dialog(nullptr, nullptr, &messages, nullptr);
            for (const auto& s : settings()) {
                QVERIFY2(box(dialog, s.box).isChecked() == start, s.box);
                box(dialog, s.box).setChecked(!start);
            }
            dialog.cmdOk_Click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            for (const auto& s : settings()) {
                QVERIFY2(s.read() == !start, s.box);
            }
            // Opened again, the dialog shows what was stored.
            dlgOptionen again(nullptr, nullptr, &messages, nullptr);
            for (const auto& s : settings()) {
                QVERIFY2(box(again, s.box).isChecked() == !start, s.box);
            }
            QVERIFY(messages.shown.empty());
        }
    }

    void theTrimmedDatabaseFolderIsStored() {
        objectstest::TestProgram program;
        const auto folder = QString::fromStdString(program.databaseFolder().string());
        ProgrammSettings().Datenbankpfad("/old/place/");
        ProgrammSettings().FilterDbPath("/old/place/");
        dlgOptionen dialog(nullptr, nullptr, nullptr, nullptr);
        path(dialog).setText(QStringLiteral("  ") + folder + QStringLiteral(" \t"));
        dialog.cmdOk_Click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(ProgrammSettings().Datenbankpfad()), folder + QLatin1Char('/'));
        QCOMPARE(QString::fromStdString(ProgrammSettings().FilterDbPath()), folder + QLatin1Char('/'));
        QVERIFY(dialog.DatabasePathChanged());
    }

    void aFolderWithoutDatabaseIsRefusedNamingTheMissingFiles_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("missing");
        QTest::addRow("empty folder") << QStringList{} << QStringList{"Graukant.MDB", "Filter.mdb"};
        QTest::addRow("no filter") << QStringList{"Graukant.MDB"} << QStringList{"Filter.mdb"};
        QTest::addRow("no main") << QStringList{"Filter.mdb"} << QStringList{"Graukant.MDB"};
    }
    void aFolderWithoutDatabaseIsRefusedNamingTheMissingFiles() {
        QFETCH(QStringList, present);
        QFETCH(QStringList, missing);
        objectstest::TestProgram program;
        const auto folder = program.file("elsewhere");
        std::filesystem::create_directories(folder);
        for (const auto& file : present) {
            std::filesystem::copy_file(program.databaseFolder() / file.toStdString(),
                                       folder / file.toStdString());
        }
        const auto before = ProgrammSettings().Datenbankpfad();
        apptest::FakeMessageBoxes messages;
        dlgOptionen dialog(nullptr, nullptr, &messages, nullptr);
        path(dialog).setText(QString::fromStdString(folder.string()));
        dialog.cmdOk_Click();
        QCOMPARE(messages.shown.size(), std::size_t{1});
        for (const auto& file : missing) {
            QVERIFY2(messages.shown.front().text.contains(file), qPrintable(messages.shown.front().text));
        }
        for (const auto& file : present) {
            QVERIFY2(!messages.shown.front().text.contains(file), qPrintable(messages.shown.front().text));
        }
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(ProgrammSettings().Datenbankpfad(), before);
    }

    void anEmptyFolderFieldKeepsTheStoredOne() {
        objectstest::TestProgram program;
        const auto before = ProgrammSettings().Datenbankpfad();
        dlgOptionen dialog(nullptr, nullptr, nullptr, nullptr);
        path(dialog).setText(QStringLiteral("   "));
        dialog.cmdOk_Click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ProgrammSettings().Datenbankpfad(), before);
        QVERIFY(!dialog.DatabasePathChanged());
    }

    void theChosenFolderReplacesTheField() {
        objectstest::TestProgram program;
        apptest::FakeFileDialogs files;
        files.answer = QStringLiteral(" /chosen/folder ");
        dlgOptionen dialog(nullptr, nullptr, nullptr, &files);
        dialog.cmdDBSuchen_Click();
        QCOMPARE(path(dialog).text(), QStringLiteral("/chosen/folder"));
        files.answer.clear();
        dialog.cmdDBSuchen_Click();
        QCOMPARE(path(dialog).text(), QStringLiteral("/chosen/folder"));
    }

    void onlyAChangedElementEntryIsAnnounced() {
        objectstest::TestProgram program;
        ProgrammSettings().DirectElementInput(false);
        ProgrammSettings().SuppressNationalEnDesignations(false);
        {
            dlgOptionen dialog(nullptr, nullptr, nullptr, nullptr);
            QSignalSpy changed(&dialog, &dlgOptionen::ElementInputVariantChanged);
            dialog.cmdOk_Click();
            QCOMPARE(changed.count(), 0);
            QVERIFY(!dialog.HasEnSuppressChanged());
        }
        dlgOptionen dialog(nullptr, nullptr, nullptr, nullptr);
        QSignalSpy changed(&dialog, &dlgOptionen::ElementInputVariantChanged);
        box(dialog, "chkElementDirekt").setChecked(true);
        box(dialog, "chkSuppressNationalEnDesignations").setChecked(true);
        dialog.cmdOk_Click();
        QCOMPARE(changed.count(), 1);
        QVERIFY(dialog.HasEnSuppressChanged());
    }

    void cancelWritesNothing() {
        objectstest::TestProgram program;
        ProgrammSettings().AdjustFormSize(false);
        const auto before = ProgrammSettings().Datenbankpfad();
        dlgOptionen dialog(nullptr, nullptr, nullptr, nullptr);
        box(dialog, "chkMaskenAnpassen").setChecked(true);
        path(dialog).setText(QString::fromStdString(program.databaseFolder().string()) +
                             QStringLiteral("/x"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdAbbrechen"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!ProgrammSettings().AdjustFormSize());
        QCOMPARE(ProgrammSettings().Datenbankpfad(), before);
    }

    void captionsComeFromTheTextDatabase() {
        objectstest::TestProgram program;
        const auto app = objectstest::connectedApplication();
        shell::contract::DialogLanguage language;
        language.setLanguageClass(app->LanguageObject());
        app->LanguageObject()->setLanguage(2);
        dlgOptionen dialog(nullptr, &language, nullptr, nullptr);
        QCOMPARE(box(dialog, "chkElementDirekt").text(), QStringLiteral("Direct entry"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cmdDBSuchen"))->text(),
                 QStringLiteral("Browse"));
    }
};

} // namespace

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
