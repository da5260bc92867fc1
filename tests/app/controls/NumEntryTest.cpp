#include "NumEntry.h"

#include "KeyCodes.h"
#include "common/Helper.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using controls::NumEntry;

namespace {

/// Fixes the user's decimal separator for one test, as the locale would.
class SeparatorScope {
public:
    explicit SeparatorScope(const QString& separator) : m_old(qgetenv("GK_DECIMAL_SEPARATOR")) {
        qputenv("GK_DECIMAL_SEPARATOR", separator.toUtf8());
    }
    ~SeparatorScope() { qputenv("GK_DECIMAL_SEPARATOR", m_old); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QByteArray m_old;
};

/// A shown window with a number field (3 digits before and 2 after the separator, at most 500) and
/// a second field to move the focus to.
struct Fields {
    Fields() {
        auto* layout = new QVBoxLayout(&window);
        entry = new NumEntry(&window);
        entry->setObjectName("txtItem");
        entry->setFrontNumbers(3);
        entry->setBackNumbers(2);
        entry->setMax(500);
        other = new NumEntry(&window);
        layout->addWidget(entry);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        entry->setFocus();
    }
    QWidget window;
    NumEntry* entry = nullptr; // owned by window
    NumEntry* other = nullptr; // owned by window
};

} // namespace

class NumEntryTest : public QObject {
    Q_OBJECT

private slots:
    void typingKeepsToTheSettings_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        for (const QString& sep : {QStringLiteral(","), QStringLiteral(".")}) {
            const QString other = sep == "," ? "." : ",";
            const QByteArray tag = sep == "," ? "comma: " : "point: ";
            QTest::newRow(tag + "decimal") << sep << false << "12" + sep + "5"
                                           << "12" + sep + "5";
            QTest::newRow(tag + "letters refused") << sep << false << "1a2b"
                                                   << "12";
            QTest::newRow(tag + "one separator only") << sep << false << "1" + sep + "2" + sep + "3"
                                                      << "1" + sep + "23";
            QTest::newRow(tag + "the other separator refused") << sep << false << "12" + other + "5"
                                                               << "125";
            QTest::newRow(tag + "three digits before the separator") << sep << false << "1234"
                                                                     << "123";
            QTest::newRow(tag + "two digits after it") << sep << false << "1" + sep + "234"
                                                       << "1" + sep + "23";
            QTest::newRow(tag + "no minus when negatives are refused") << sep << false << "-5"
                                                                       << "5";
            QTest::newRow(tag + "minus when allowed") << sep << true << "-5" + sep + "5"
                                                      << "-5" + sep + "5";
            QTest::newRow(tag + "minus only in front") << sep << true << "5-"
                                                       << "5";
            QTest::newRow(tag + "nothing above the maximum") << sep << false << "600"
                                                             << "60";
            QTest::newRow(tag + "the maximum itself") << sep << false << "500"
                                                      << "500";
            QTest::newRow(tag + "leading separator") << sep << false << sep + "5" << sep + "5";
        }
    }
    void typingKeepsToTheSettings() {
        QFETCH(QString, separator);
        QFETCH(bool, negative);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        SeparatorScope scope(separator);
        Fields f;
        QCOMPARE(f.entry->decimalSeparator(), separator);
        f.entry->setAllowNegative(negative);
        QTest::keyClicks(f.entry, typed);
        QCOMPARE(f.entry->text(), shown);
    }

    void pastingBadTextIsRefused_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma: good") << ","
                                     << "4,25"
                                     << "74,25";
        QTest::newRow("comma: point refused") << ","
                                              << "4.25"
                                              << "7";
        QTest::newRow("comma: letters refused") << ","
                                                << "12a"
                                                << "7";
        QTest::newRow("comma: digit grouping refused") << ","
                                                       << "1.000"
                                                       << "7";
        QTest::newRow("point: good") << "."
                                     << "4.25"
                                     << "74.25";
        QTest::newRow("point: comma refused") << "."
                                              << "4,25"
                                              << "7";
        QTest::newRow("point: too many decimals refused") << "."
                                                          << "4.255"
                                                          << "7";
    }
    void pastingBadTextIsRefused() {
        QFETCH(QString, separator);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        SeparatorScope scope(separator);
        Fields f;
        QTest::keyClicks(f.entry, "7");
        QApplication::clipboard()->setText(pasted);
        f.entry->paste();
        QCOMPARE(f.entry->text(), shown);
    }

    void valueRoundTrip_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma: two decimals") << "," << 12.25 << "12,25";
        QTest::newRow("comma: whole number") << "," << 300.0 << "300";
        QTest::newRow("comma: below one") << "," << 0.5 << "0,5";
        QTest::newRow("comma: rounded to the decimals") << "," << 1.234 << "1,23";
        QTest::newRow("point: two decimals") << "." << 12.25 << "12.25";
        QTest::newRow("point: negative") << "." << -4.5 << "-4.5";
    }
    void valueRoundTrip() {
        QFETCH(QString, separator);
        QFETCH(double, value);
        QFETCH(QString, shown);
        SeparatorScope scope(separator);
        Fields f;
        f.entry->setAllowNegative(true);
        f.entry->setValue(value);
        QCOMPARE(f.entry->text(), shown);
        QVERIFY(f.entry->value().has_value());
        QCOMPARE(*f.entry->value(), orvik::common::Helper::Str2Dbl(shown.toStdString()));
        QCOMPARE(*f.entry->value(), QString(shown).replace(separator, ".").toDouble());
    }

    void writingTextTheSettingsRefuseEmptiesTheField() {
        SeparatorScope scope(",");
        Fields f;
        f.entry->setEntryText("12,5");
        QCOMPARE(f.entry->text(), QString("12,5"));
        f.entry->setEntryText("12.5");
        QCOMPARE(f.entry->text(), QString());
        f.entry->setEntryText("77");
        f.entry->setEntryText("");
        QCOMPARE(f.entry->text(), QString());
        QVERIFY(!f.entry->value().has_value());
    }

    void tabAndEnterGoToTheOwnerOfAnEditorOverCells() {
        Fields f;
        f.entry->setOwnerHandlesTab(true);
        QSignalSpy keys(f.entry, &NumEntry::KeyDown);
        QTest::keyClick(f.entry, Qt::Key_Tab);
        QTest::keyClick(f.entry, Qt::Key_Return);
        QCOMPARE(keys.count(), 2);
        QCOMPARE(keys.at(0).at(0).toInt(), controls::KeyCode::Tab);
        QCOMPARE(keys.at(1).at(0).toInt(), controls::KeyCode::Return);
        QVERIFY(f.entry->hasFocus());
    }

    void tabMovesOnInAFieldOfADialog() {
        Fields f;
        QTRY_VERIFY(f.entry->hasFocus());
        QTest::keyClick(f.entry, Qt::Key_Tab);
        QTRY_VERIFY(f.other->hasFocus());
    }

    void validateCanKeepTheFocus() {
        SeparatorScope scope(",");
        Fields f;
        f.entry->setFormatEnabled(true);
        QTRY_VERIFY(f.entry->hasFocus());
        bool refuse = true;
        int lost = 0;
        connect(f.entry, &NumEntry::Validate, f.entry, [&refuse](bool& cancel) { cancel = refuse; });
        connect(f.entry, &NumEntry::LostFocus, f.entry, [&lost] { ++lost; });
        QTest::keyClicks(f.entry, "007,5");
        f.other->setFocus();
        QTRY_VERIFY(f.entry->hasFocus());
        QCOMPARE(lost, 0);
        refuse = false;
        f.other->setFocus();
        QTRY_VERIFY(f.other->hasFocus());
        QCOMPARE(lost, 1);
        QCOMPARE(f.entry->text(), QString("7,5")); // tidied as it was left
    }

    void settingsByTheirDesignNames() {
        SeparatorScope scope(",");
        Fields f;
        QVERIFY(f.other->setProperty("frontnumbers", 9));
        QVERIFY(f.other->setProperty("backnumbers", 9));
        QVERIFY(f.other->setProperty("max", 999999999.0));
        QVERIFY(f.other->setProperty("alignment", 1));
        QVERIFY(f.other->setProperty("formatenabled", true));
        QVERIFY(f.other->setProperty("allownegativ", true));
        QCOMPARE(f.other->backNumbers(), 9);
        QVERIFY(f.other->alignment() & Qt::AlignRight);
        f.other->setFocus();
        QTest::keyClicks(f.other, "-123456789,123456789");
        QCOMPARE(f.other->text(), QString("-123456789,123456789"));
    }

    void selectionAndColour() {
        Fields f;
        f.entry->setEntryText("123");
        f.entry->setSelStart(0);
        f.entry->setSelLength(3);
        QCOMPARE(f.entry->SelStart(), 0);
        QCOMPARE(f.entry->SelLength(), 3);
        f.entry->setBackColor(QColor(255, 255, 192));
        QCOMPARE(f.entry->BackColor(), QColor(255, 255, 192));
        QSignalSpy changed(f.entry, &NumEntry::Change);
        QTest::keyClicks(f.entry, "4");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.entry->text(), QString("4"));
    }
};

QTEST_MAIN(NumEntryTest)
#include "NumEntryTest.moc"
