// The supplier export dialog: the file handed in, the separator and the header line written through
// the steel's export; the choices kept for the next export; an empty separator or file refused;
// "Abbrechen" writing nothing.

#include "SampleSteel.h"
#include "WindowFakes.h"
#include "dlgSteuerdatei.h"

#include <QCheckBox>
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
