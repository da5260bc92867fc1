// The supplier export dialog: the file handed in, the separator and the header line written through
// the steel's export; the choices kept for the next export; an empty separator or file refused;
// "Abbrechen" writing nothing.

#include "CutCaptions.h"
#include "SampleSteel.h"
#include "WindowFakes.h"
#include "common/cls_Language.h"
#include "dlgSteuerdatei.h"
#include "objects/Application.h"
#include "shell/contract/DialogLanguage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using shell::dialogs::dlgSteuerdatei;

QStringList linesOf(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

class SupplierExportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheFileAndKeepsTheChoices() {
        apptest::SampleSteel steel;
        QTemporaryDir dir;
        const auto file = dir.filePath(QStringLiteral("firmen.txt"));
        {
            dlgSteuerdatei dialog(nullptr, nullptr, nullptr, steel.material(), file);
            QCOMPARE(dialog.file().text(), file);
            QCOMPARE(dialog.splitter().text(), QStringLiteral(";"));
            QVERIFY(!dialog.header().isChecked());
            dialog.splitter().setText(QStringLiteral("||"));
            dialog.header().setChecked(true);
            dialog.cmdOk_Click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const auto lines = linesOf(file);
        QVERIFY2(lines.size() >= 2, qPrintable(lines.join(QLatin1Char('\n'))));
        QVERIFY(lines.front().contains(QStringLiteral("||")));
        QVERIFY(!lines.front().contains(QStringLiteral("Exempelstål")));
        QVERIFY(lines[1].contains(QStringLiteral("Exempelstål")));

        dlgSteuerdatei again(nullptr, nullptr, nullptr, steel.material(), file);
        QCOMPARE(again.splitter().text(), QStringLiteral("||"));
        QVERIFY(again.header().isChecked());
        again.header().setChecked(false);
        again.cmdOk_Click();
        const auto plain = linesOf(file);
        QVERIFY(!plain.isEmpty());
        QVERIFY2(plain.front().contains(QStringLiteral("Exempelstål")),
                 "without the header the first line is a supplier");
    }

    void anEmptySeparatorOrFileIsRefused_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("separator");
        QTest::addRow("no separator") << "firmen.txt"
                                      << "";
        QTest::addRow("no file") << "   "
                                 << ";";
    }
    void anEmptySeparatorOrFileIsRefused() {
        QFETCH(QString, file);
        QFETCH(QString, separator);
        apptest::SampleSteel steel;
        QTemporaryDir dir;
        const auto path = file.trimmed().isEmpty() ? file : dir.filePath(file);
        apptest::FakeMessageBoxes messages;
        dlgSteuerdatei dialog(nullptr, nullptr, &messages, steel.material(), path);
        dialog.splitter().setText(separator);
        dialog.cmdOk_Click();
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The box owns its text, so a click on the text ticks it as a click on the box does; Ok and
    // Abbrechen stand in Qt's button box, each as wide as its text asks.
    void theHeaderTextTicksItsBoxAndTheButtonsStandSideBySide_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("cancel");
        QTest::addRow("German") << 0 << "Erste Zeile enthält Spaltenbezeichnung"
                                << "&Abbrechen";
        QTest::addRow("French") << 1 << "La première ligne contient les noms des colonnes"
                                << "A&nnuler";
        QTest::addRow("English") << 2 << "First line holds the column names"
                                 << "&Cancel";
    }
    void theHeaderTextTicksItsBoxAndTheButtonsStandSideBySide() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, cancel);
        apptest::SampleSteel steel;
        shell::contract::DialogLanguage relay;
        relay.setLanguageClass(steel.application()->LanguageObject());
        steel.application()->LanguageObject()->setLanguage(language);
        relay.setLanguage(language);
        QTemporaryDir dir;
        dlgSteuerdatei dialog(nullptr, &relay, nullptr, steel.material(),
                              dir.filePath(QStringLiteral("f.txt")));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto& box = dialog.header();
        QCOMPARE(box.text(), caption);
        QVERIFY(box.width() >= box.sizeHint().width());
        const bool before = box.isChecked();
        // Near the end of the text, well right of the square.
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.sizeHint().width() - 6, box.height() / 2));
        QCOMPARE(box.isChecked(), !before);

        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"));
        auto* abort = dialog.findChild<QPushButton*>(QStringLiteral("cmdAbbrechen"));
        QVERIFY(ok != nullptr && abort != nullptr);
        QCOMPARE(buttons->buttonRole(ok), QDialogButtonBox::AcceptRole);
        QCOMPARE(buttons->buttonRole(abort), QDialogButtonBox::RejectRole);
        QCOMPARE(abort->text(), cancel);
        QCOMPARE(apptest::cutCaptions(dialog), QString());
        // Neither button is stretched to several times the other.
        QVERIFY2(ok->width() < 2 * abort->width() && abort->width() < 2 * ok->width(),
                 qPrintable(QStringLiteral("%1 %2").arg(ok->width()).arg(abort->width())));
        abort->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("f.txt"))));
    }

    void cancelWritesNothing() {
        apptest::SampleSteel steel;
        QTemporaryDir dir;
        const auto file = dir.filePath(QStringLiteral("firmen.txt"));
        dlgSteuerdatei dialog(nullptr, nullptr, nullptr, steel.material(), file);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdAbbrechen"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(file));
    }
};

} // namespace

QTEST_MAIN(SupplierExportDialogTest)
#include "SupplierExportDialogTest.moc"
