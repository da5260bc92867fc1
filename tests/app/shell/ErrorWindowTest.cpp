#include "ErrorReport.h"
#include "QtServices.h"
#include "ShellFakes.h"
#include "common/ProgrammSettings.h"
#include "frmError.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

class ErrorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void reportFileHoldsTheVersionsAndTheFourFields_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("plain") << 3021 << u"Kein aktueller Datensatz."_qs;
        QTest::newRow("negative number") << -2147217900 << u"Syntaxfehler"_qs;
        QTest::newRow("empty description") << 91 << QString();
    }

    void reportFileHoldsTheVersionsAndTheFourFields() {
        QFETCH(int, number);
        QFETCH(QString, description);
        QTemporaryDir dir;
        shelltest::FakeFileDialogs files;
        files.answer = dir.filePath(u"error.txt"_qs);
        shell::frmError window(0, &files, nullptr, [] {
            return std::pair{u"5.01.0003"_qs, u"5.01.0002"_qs};
        });
        window.setModul(u"frmMain"_qs);
        window.setProdedure(u"ActivateMaterial"_qs);
        window.setNumber(number);
        window.setDescription(description);
        QCOMPARE(window.field(2), QString::number(number));
        window.findChild<QPushButton*>(u"cmdSpeichern"_qs)->click();
        QFile saved(files.answer);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString expected = u"Graukant 2007\n===================\n\n\nProgramm Version:  5.0001.0000\n"
                                 u"Objects Version:  5.01.0003\nService Version: 5.01.0002\n\n"
                                 u"Modul:             frmMain\nProcedure:         ActivateMaterial\n"
                                 u"Number:            "_qs +
                                 QString::number(number) + u"\nDescription:       "_qs + description + u'\n';
        QCOMPARE(QString::fromUtf8(saved.readAll()), expected);
        QCOMPARE(files.titles(), std::vector<QString>{u"Save Error"_qs});
    }

    void aLongDescriptionShowsWholeInSeveralReadOnlyLines() {
        const QString description =
            u"Cannot open database '/opt/graukant/Datenbank/Graukant.MDB'. A write to it was interrupted and "
            u"its journal '/opt/graukant/Datenbank/Graukant.MDB-journal' is still beside it."_qs;
        shell::frmError window(0, nullptr, nullptr, {});
        window.setDescription(description);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* field = window.findChild<QPlainTextEdit*>(u"txtError"_qs);
        QVERIFY(field != nullptr);
        QCOMPARE(field->property("index").toInt(), 3);
        QVERIFY(field->isReadOnly());
        QCOMPARE(window.field(3), description);
        // Wrapped at the field's width, the whole text is in view: no line scrolls sideways.
        QCOMPARE(field->horizontalScrollBar()->maximum(), 0);
        QVERIFY(field->height() >= 4 * field->fontMetrics().lineSpacing());
        QVERIFY(window.grab().save(QStringLiteral(GK_BUILD_DIR "/error-window.png")));
    }

    void cancelledDialogWritesNothing() {
        QTemporaryDir dir;
        shelltest::FakeFileDialogs files;
        shell::frmError window(2, &files, nullptr, {});
        window.saveReport();
        QVERIFY(QDir(dir.path()).isEmpty());
        QCOMPARE(files.titles().size(), std::size_t{1});
    }

    void saveDialogStartsInTheFolderTheProgramWritesInto() {
        const shelltest::ProgramFolder folder;
        orvik::common::ProgrammSettings().ApplicationPath(folder.program().string());
        shelltest::FakeFileDialogs files;
        shell::frmError window(0, &files, nullptr, {});
        window.saveReport();
        QCOMPARE(files.asked.size(), std::size_t{1});
        QCOMPARE(QDir(files.asked.front().folder).canonicalPath(),
                 QDir(QString::fromStdString(folder.program().string())).canonicalPath());
    }

    void aReportThatCannotBeWrittenSaysWhy_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("told");
        QTest::newRow("German") << 0 << u"Der Fehlerbericht konnte nicht gespeichert werden:"_qs;
        QTest::newRow("French") << 1 << u"Le rapport d'erreur n'a pas pu être mémorisé :"_qs;
        QTest::newRow("English") << 2 << u"The error report could not be saved:"_qs;
    }

    void aReportThatCannotBeWrittenSaysWhy() {
        QFETCH(int, language);
        QFETCH(QString, told);
        QTemporaryDir dir;
        shelltest::FakeFileDialogs files;
        files.answer = dir.filePath(u"missing/folder/error.txt"_qs);
        shelltest::FakeMessageBoxes messages;
        shell::frmError window(language, &files, &messages, {});
        window.findChild<QPushButton*>(u"cmdSpeichern"_qs)->click();
        QVERIFY(!QFile::exists(files.answer));
        QCOMPARE(messages.shown.size(), std::size_t{1});
        const auto& shown = messages.shown.front();
        QVERIFY2(shown.text.startsWith(told), qPrintable(shown.text));
        QVERIFY(shown.text.contains(files.answer));
        // The reason follows the file's name on a line of its own.
        QVERIFY(!shown.text.section(u'\n', 3).trimmed().isEmpty());
        QCOMPARE(shown.icon, shell::MessageBoxes::Icon::Critical);
        QCOMPARE(shown.title, u"Graukant 2007 - Error"_qs);
    }

    void buttonsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("save");
        QTest::newRow("German") << 0 << u"&Speichern"_qs;
        QTest::newRow("French") << 1 << u"&Mémoriser"_qs;
        QTest::newRow("English") << 2 << u"&Save"_qs;
        QTest::newRow("user-defined") << 3 << u"&Save"_qs;
    }

    void buttonsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, save);
        const shell::frmError window(language, nullptr, nullptr, {});
        QCOMPARE(window.findChild<QPushButton*>(u"cmdSpeichern"_qs)->text(), save);
        QCOMPARE(window.findChild<QPushButton*>(u"cmdOk"_qs)->text(), u"&Ok"_qs);
        QCOMPARE(window.windowTitle(), u"Graukant 2007 - Error"_qs);
    }

    void helpAddressCarriesTheContextAsAnchor() {
        const QUrl url = shell::DesktopHelp::address(u"/opt/gk/velmo2007_english.html"_qs, 24);
        QCOMPARE(url.toString(), u"file:///opt/gk/velmo2007_english.html#24"_qs);
        std::vector<QUrl> opened;
        shell::DesktopHelp help([] { return u"/opt/gk/velmo2007_german.html"_qs; },
                                [&opened](const QUrl& address) {
                                    opened.push_back(address);
                                    return true;
                                });
        help.showHelp(0);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(opened.front().fragment(), u"0"_qs);
    }
};

#include "ErrorWindowTest.moc"
#include "TestMain.h"
GK_SHELL_TEST(ErrorWindowTest)
