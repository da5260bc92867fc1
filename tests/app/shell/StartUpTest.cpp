#include "StartUp.h"

#include "ListBar.h"
#include "MessageBoxNotifier.h"
#include "ProgramFiles.h"
#include "ShellFakes.h"
#include "StartCounter.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "frmSplash.h"
#include "objects/Application.h"
#include "platform/UserNotifier.h"
#include "shell/contract/DialogLanguage.h"
#include "test_support/Files.h"
#include "test_support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <fstream>

using orvik::common::ProgrammSettings;
using shelltest::FakeMessageBoxes;
using shelltest::ProgramFolder;

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void counterShowsTheNoticeOnFirstAndEveryTenthStart_data() {
        QTest::addColumn<int>("today");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<int>("next");
        QTest::addColumn<bool>("notice");
        QTest::newRow("before the first day") << 20100630 << 0 << false << 0 << false;
        QTest::newRow("on the first day") << 20100701 << 0 << true << 1 << true;
        QTest::newRow("second start") << 20240101 << 1 << true << 2 << false;
        QTest::newRow("ninth start") << 20240101 << 8 << true << 9 << false;
        QTest::newRow("tenth start") << 20240101 << 9 << true << 10 << true;
        QTest::newRow("twentieth start") << 20240101 << 19 << true << 20 << true;
        QTest::newRow("hundredth start") << 20240101 << 99 << true << 100 << true;
        QTest::newRow("past the hundredth") << 20240101 << 109 << true << 110 << false;
        QTest::newRow("largest counter stays") << 20240101 << 2147483647 << true << 2147483647 << false;
    }

    void counterShowsTheNoticeOnFirstAndEveryTenthStart() {
        QFETCH(int, today);
        QFETCH(int, stored);
        QFETCH(bool, counted);
        QFETCH(int, next);
        QFETCH(bool, notice);
        const auto count = shell::StartCounter::next(today, stored);
        QCOMPARE(count.has_value(), counted);
        if (count) {
            QCOMPARE(count->counter, next);
            QCOMPARE(count->showNotice, notice);
        }
    }

    void helpPageFollowsTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("German") << 0 << u"velmo2007_german.html"_qs;
        QTest::newRow("French") << 1 << u"velmo2007_french.html"_qs;
        QTest::newRow("English") << 2 << u"velmo2007_english.html"_qs;
        QTest::newRow("user-defined") << 3 << u"velmo2007_english.html"_qs;
    }

    void helpPageFollowsTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, page);
        const shell::ProgramFiles files("/opt/gk");
        QCOMPARE(QString::fromStdString(files.HelpFile(language).filename().string()), page);
    }

    void splashProgressStopsAtItsEnd() {
        shell::frmSplash splash;
        for (int step = 0; step < shell::frmSplash::Steps + 20; ++step) {
            splash.InitializeStep();
        }
        QCOMPARE(splash.progress(), shell::frmSplash::Steps);
        QVERIFY(splash.grab().save(QStringLiteral(GK_BUILD_DIR "/splash.png")));
    }

    void splashShowsThePublisherAndOpensItsAddress() {
        shelltest::FakeMessageBoxes messages;
        std::vector<QString> opened;
        shell::frmSplash splash(&messages, [&opened](const QString& address) {
            opened.push_back(address);
            return true;
        });
        const QStringList block = splash.addressBlock().split(u'\n');
        QCOMPARE(block.size(), 5); // company, street, postcode and town, phone, fax
        QVERIFY(block.at(3).startsWith(u"Tel."_qs));
        QVERIFY(block.at(4).startsWith(u"Fax"_qs));
        auto* url = splash.findChild<QLabel*>(u"lblURL"_qs);
        QVERIFY(url != nullptr);
        QVERIFY(url->text().contains(splash.webAddress()));
        QVERIFY(url->isVisibleTo(&splash));
        emit url->linkActivated(splash.webAddress());
        QCOMPARE(opened, std::vector<QString>{splash.webAddress()});
        QVERIFY(messages.shown.empty());
    }

    // Long enough on screen to read and click the address, also when the main window loads fast; it
    // goes by itself, and with the main window at the latest.
    void theSplashStaysAWhileAfterTheMainWindowShows() {
        const auto splashShown = [] {
            for (auto* widget : QApplication::topLevelWidgets()) {
                if (auto* splash = qobject_cast<shell::frmSplash*>(widget); splash && splash->isVisible()) {
                    return splash;
                }
            }
            return static_cast<shell::frmSplash*>(nullptr);
        };
        const ProgramFolder folder;
        ProgrammSettings().ApplicationPath(folder.program().string());
        shelltest::Services fakes;
        QElapsedTimer started;
        started.start();
        auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, true);
        QVERIFY(window->isVisible());
        auto* splash = splashShown();
        QVERIFY(splash != nullptr);
        QVERIFY(splash->findChild<QLabel*>(u"lblURL"_qs)->isVisible());
        QVERIFY(splash->progress() > 0);
        // A reconnect is no start-up: the splash does not follow its steps.
        const int progress = splash->progress();
        window->Disconnect();
        QCOMPARE(splash->progress(), progress);
        QTRY_VERIFY_WITH_TIMEOUT(splashShown() == nullptr, 10000);
        QVERIFY(started.elapsed() >= shell::frmSplash::ShownAtLeast.count() - 50);

        window = shell::StartUp::run(folder.program(), fakes.services(), {}, true);
        QVERIFY(splashShown() != nullptr);
        window.reset();
        QVERIFY(splashShown() == nullptr);
    }

    void startRemovesLeftOverPrintDatabaseAndCountsTheStart() {
        const ProgramFolder folder(ProgramFolder::Ini::WithDatabase, {}, 9);
        ProgrammSettings().ApplicationPath(folder.program().string());
        const shell::ProgramFiles files(folder.program());
        { std::ofstream(files.PrintDatabasePath()) << "left over"; }
        QVERIFY(std::filesystem::exists(files.PrintDatabasePath()));
        shelltest::Services fakes;
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QVERIFY(!std::filesystem::exists(files.PrintDatabasePath()));
        QCOMPARE(fakes.dialogs.notices, 1);
        QCOMPARE(ProgrammSettings().AppCounter(), 10);
        QVERIFY(window->Application()->LoggedIn());
        QVERIFY(fakes.messageBoxes.shown.empty());
        QVERIFY(fakes.errorWindow.shown.empty());
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentPage(), 1);
    }

    void missingIniIsReportedAndTheStartGoesOn() {
        const ProgramFolder folder(ProgramFolder::Ini::Missing);
        shelltest::Services fakes;
        fakes.messageBoxes.answers = {FakeMessageBoxes::Answer::Ok, FakeMessageBoxes::Answer::No};
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QVERIFY(fakes.messageBoxes.shown.size() >= 1);
        QCOMPARE(fakes.messageBoxes.shown.front().text, u"Local INI file missing. Please reinstall!"_qs);
        QCOMPARE(fakes.messageBoxes.shown.front().icon, FakeMessageBoxes::Icon::Critical);
        QVERIFY(window->isVisible());
    }

    void anUnwritableProgramFolderIsToldOnceAStartAndTheCounterStillCounts() {
        const ProgramFolder folder(ProgramFolder::Ini::WithDatabase, {}, 9);
        const QString ini = QString::fromStdString((folder.program() / "velmo2007.ini").string());
        const test_support::ScopedReadOnlyFolder readOnly(folder.program());
        if (!readOnly.effective()) {
            QSKIP("the folder cannot be made read-only here");
        }
        // The tenth start shows the notice, the eleventh does not, although the INI file keeps 9.
        for (const int notices : {1, 0}) {
            shelltest::Services fakes;
            const platform::ScopedUserNotifier notifier(
                std::make_shared<shell::MessageBoxNotifier>(&fakes.messageBoxes));
            const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
            QVERIFY(window->Application()->LoggedIn());
            QCOMPARE(fakes.dialogs.notices, notices);
            QCOMPARE(fakes.messageBoxes.texts(), QStringList{u"Fehler beim Schreiben der Datei: "_qs + ini});
        }
        QCOMPARE(ProgrammSettings().AppCounter(), 11);
    }

    void aLanguageTheProgramFolderCannotKeepShowsAtTheNextStart() {
        const ProgramFolder folder(ProgramFolder::Ini::WithDatabase);
        const test_support::ScopedReadOnlyFolder readOnly(folder.program());
        if (!readOnly.effective()) {
            QSKIP("the folder cannot be made read-only here");
        }
        {
            shelltest::Services fakes;
            const platform::ScopedUserNotifier notifier(
                std::make_shared<shell::MessageBoxNotifier>(&fakes.messageBoxes));
            const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
            window->ChangeLanguage(1);
            QCOMPARE(window->menuItem(u"mnuZeile"_qs, 0)->text(), u"&Fichier"_qs);
        }
        shelltest::Services fakes;
        const platform::ScopedUserNotifier notifier(
            std::make_shared<shell::MessageBoxNotifier>(&fakes.messageBoxes));
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QCOMPARE(window->menuItem(u"mnuZeile"_qs, 0)->text(), u"&Fichier"_qs);
        QCOMPARE(window->dialogLanguage().Language(), 1);
        QCOMPARE(window->languageClass()->Language(), 1);
        QCOMPARE(QLocale().language(), QLocale::French);
    }

    void anUnreadableTextDatabaseIsToldAtStart_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not SQLite") << QByteArray("Standard Jet DB\0\0\0\0", 19) << true;
        QTest::newRow("damaged") << QByteArray::fromStdString(test_support::randomBytes(8192)) << true;
    }

    void anUnreadableTextDatabaseIsToldAtStart() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        const ProgramFolder folder;
        const auto file = folder.program() / "Daten" / "Language.mdb";
        std::filesystem::remove(file);
        if (present) {
            test_support::writeBytes(file, content.toStdString());
        }
        shelltest::Services fakes;
        const platform::ScopedUserNotifier notifier(
            std::make_shared<shell::MessageBoxNotifier>(&fakes.messageBoxes));
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QVERIFY(window->isVisible());
        QCOMPARE(fakes.messageBoxes.shown.size(), std::size_t{1});
        QVERIFY2(fakes.messageBoxes.shown.front().text.contains(QString::fromStdString(file.string())),
                 qPrintable(fakes.messageBoxes.shown.front().text));
        QCOMPARE(fakes.messageBoxes.shown.front().icon, FakeMessageBoxes::Icon::Critical);
    }

    void withoutDatabaseTheUserIsToldWhereAndConnectsAfterChoosingIt() {
        const ProgramFolder folder(ProgramFolder::Ini::WithoutDatabase);
        shelltest::Services fakes;
        fakes.dialogs.onOptions = [&folder] {
            ProgrammSettings settings;
            settings.Datenbankpfad((folder.databases() + u'/').toStdString());
            settings.FilterDbPath((folder.databases() + u'/').toStdString());
            shell::contract::ShellDialogs::OptionsOutcome outcome;
            outcome.databasePathChanged = true;
            return outcome;
        };
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QCOMPARE(fakes.messageBoxes.shown.size(), std::size_t{1});
        const QString told = fakes.messageBoxes.shown.front().text;
        QVERIFY2(told.contains(u"Graukant.MDB"_qs) && told.contains(u"Filter.mdb"_qs), qPrintable(told));
        QVERIFY2(told.contains(QString::fromStdString(ProgrammSettings::LocalIniFile().string())),
                 qPrintable(told));
        QCOMPARE(fakes.dialogs.options, 1);
        QVERIFY(window->Application()->LoggedIn());
        QVERIFY(window->menuItem(u"mnuDatei"_qs, 9)->isEnabled());
        QVERIFY(!window->menuItem(u"mnuDatei"_qs, 8)->isEnabled());
        QVERIFY(window->listBar().isEnabled());
    }

    // A benchmark starts the program and reads its memory at the idle window and once the list's count
    // is in: the program says when, and stays until its input ends.
    void theProgramSaysWhenItIsIdleAndEndsWithItsInput_data() {
        QTest::addColumn<QString>("quitWhen");
        QTest::addColumn<QString>("said");
        QTest::addRow("at the idle window") << u"1"_qs << u"idle\n"_qs;
        QTest::addRow("once the count is in") << u"counted"_qs << u"idle\ncounted\n"_qs;
    }
    void theProgramSaysWhenItIsIdleAndEndsWithItsInput() {
        QFETCH(QString, quitWhen);
        QFETCH(QString, said);
        const ProgramFolder folder(ProgramFolder::Ini::WithDatabase, {}, 1000);
        const QString program = QString::fromStdString((folder.program() / "Graukant_2007").string());
        QVERIFY(QFile::copy(QStringLiteral(GK_BIN_DIR "/Graukant_2007"), program));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"GK_QUIT_WHEN_IDLE"_qs, quitWhen);
        environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        process.setProcessEnvironment(environment);
        process.start(program, {});
        QVERIFY(process.waitForStarted());
        QByteArray out;
        while (out.count('\n') < said.count(u'\n') && process.waitForReadyRead(120000)) {
            out += process.readAllStandardOutput();
        }
        QCOMPARE(QString::fromUtf8(out), said);
        QVERIFY2(!process.waitForFinished(1500), "ended before its input did");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    void withoutDatabaseAndNoAnswerEverythingButConnectingIsOff() {
        const ProgramFolder folder(ProgramFolder::Ini::WithoutDatabase);
        shelltest::Services fakes;
        fakes.messageBoxes.answers = {FakeMessageBoxes::Answer::No};
        const auto window = shell::StartUp::run(folder.program(), fakes.services(), {}, false);
        QCOMPARE(fakes.dialogs.options, 0);
        QVERIFY(!window->Application()->LoggedIn());
        QVERIFY(!window->listBar().isEnabled());
        QVERIFY(!window->menuItem(u"mnuZeile"_qs, 1)->isEnabled());
        QVERIFY(!window->menuItem(u"mnuZeile"_qs, 3)->isEnabled());
        QVERIFY(window->menuItem(u"mnuDatei"_qs, 8)->isEnabled());
        QVERIFY(!window->menuItem(u"mnuDatei"_qs, 9)->isEnabled());
        QVERIFY(!window->menuItem(u"mnuDatei"_qs, 6)->isEnabled());
        QVERIFY(window->menuItem(u"mnuDatei"_qs, 11)->isEnabled());
    }
};

#include "StartUpTest.moc"
#include "TestMain.h"
GK_SHELL_TEST(StartUpTest)
