// Qt's file dialog lists sizes and dates in the program's language, not in the system's.
#include "FileListTexts.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// Qt's default locale for the life of the object.
class ScopedDefaultLocale {
public:
    explicit ScopedDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;
    ~ScopedDefaultLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

} // namespace

class FileListTextsTest : public QObject {
    Q_OBJECT

private slots:
    void sizesAndDatesFollowTheDefaultLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("English") << QLocale(QLocale::English);
    }
    void sizesAndDatesFollowTheDefaultLocale() {
        QFETCH(QLocale, locale);
        const ScopedDefaultLocale language(locale);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("datenblatt.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(123456, 'x'));
        file.close();
        QFileSystemModel files;
        const QModelIndex root = files.setRootPath(dir.path());
        QTRY_COMPARE(files.rowCount(root), 1);
        shell::FileListTexts texts;
        texts.setSourceModel(&files);
        const QModelIndex name = texts.mapFromSource(files.index(0, 0, root));
        const auto shown = [&](int column) {
            return texts.index(name.row(), column, name.parent()).data().toString();
        };
        QCOMPARE(shown(shell::FileListTexts::Size), locale.formattedDataSize(123456));
        QCOMPARE(shown(shell::FileListTexts::DateModified),
                 locale.toString(files.lastModified(files.index(0, 0, root)), QLocale::ShortFormat));
        QCOMPARE(shown(shell::FileListTexts::Name), QStringLiteral("datenblatt.pdf"));
        // The German list differs from what Qt writes by itself in the system's locale.
        if (locale.language() == QLocale::German && QLocale::system().language() != QLocale::German) {
            QVERIFY(shown(shell::FileListTexts::DateModified) !=
                    files.index(0, shell::FileListTexts::DateModified, root).data().toString());
        }
    }

    void theDialogShowsItsListThroughTheTexts() {
        QFileDialog dialog;
        shell::FileListTexts::use(dialog);
        QVERIFY(qobject_cast<shell::FileListTexts*>(dialog.proxyModel()) != nullptr);
    }
};

#include "FileListTextsTest.moc"
#include "TestMain.h"
GK_SHELL_TEST(FileListTextsTest)
