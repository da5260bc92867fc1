// The data sheet on pages: every text of the report on its page in the PDF, head and foot with
// "page x of y" on every page, table heads and group lines repeated after a page break, wide tables
// going on in column groups, captions, headings and titles kept with their first rows, a supplier
// named again where its lines go on, the chosen font, printing without a printer offering the PDF
// file instead, printing on the paper the user chose, and a failed print saying why.

#include "DataSheetOutput.h"
#include "DataSheetPages.h"
#include "DataSheetPainter.h"
#include "SampleSteel.h"
#include "WindowFakes.h"
#include "objects/ReportDocument.h"
#include "platform/CallError.h"

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <random>

namespace {

using orvik::objects::DocumentBlock;
using orvik::objects::DocumentRow;
using orvik::objects::DocumentSection;
using orvik::objects::ReportDocument;
using shell::print::DataSheetOutput;
using shell::print::DataSheetPages;

// Whitespace collapsed, and the Latin ligatures a font shapes (ff, fi, fl ...) read as their letters,
// as a reader's search in the PDF finds them.
QString normalized(QString text) {
    for (char16_t ligature = 0xFB00; ligature <= 0xFB06; ++ligature) {
        const QChar character(ligature);
        text.replace(character, QString(character).normalized(QString::NormalizationForm_KC));
    }
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// The text of each page of a PDF file, normalized.
QStringList pdfPages(const QString& file) {
    QStringList pages;
    for (int page = 1;; ++page) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                   QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
        if (!run.waitForFinished(60000) || run.exitCode() != 0) {
            break;
        }
        pages.push_back(normalized(QString::fromUtf8(run.readAllStandardOutput())));
    }
    return pages;
}

// The size of the first page of a PDF file in points, as a reader shows it.
QSize pdfPageSize(const QString& file) {
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {file});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) {
        return {};
    }
    const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))
                           .match(QString::fromUtf8(run.readAllStandardOutput()));
    return match.hasMatch()
               ? QSize(qRound(match.captured(1).toDouble()), qRound(match.captured(2).toDouble()))
               : QSize();
}

// The pieces of the plain-text rendering that must stand in the PDF: every line, every cell of a
// table line, without the rules and marks of the plain rendering and without its one-page foot.
QStringList textPieces(const std::string& text) {
    QStringList pieces;
    const auto lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (auto line : lines) {
        if (line.isEmpty() || QRegularExpression(QStringLiteral("^[=-]+$")).match(line).hasMatch() ||
            line.contains(QStringLiteral("Druckdatum:"))) {
            continue;
        }
        if (line.startsWith(QStringLiteral("* "))) {
            line = line.mid(2);
        }
        for (const auto& cell : line.split(QRegularExpression(QStringLiteral(" \\|( |$)")))) {
            const auto piece = normalized(cell);
            if (!piece.isEmpty()) {
                pieces.push_back(piece);
            }
        }
    }
    return pieces;
}

ReportDocument documentWith(std::vector<DocumentSection> sections) {
    ReportDocument document;
    document.head = {"Werkstoffdatenblatt", "Werkstoff", "1.0038", "Land", "Europa (EN)"};
    document.foot = {"Seite", "von", "Druckdatum", "10.12.2026"};
    document.sections = std::move(sections);
    return document;
}

DocumentBlock tableBlock(std::vector<std::string> heads, std::vector<DocumentRow> rows) {
    DocumentBlock block;
    block.kind = DocumentBlock::Kind::Table;
    block.table.heads = std::move(heads);
    block.table.rows = std::move(rows);
    return block;
}

// A property table long enough for several pages, each value row unique, with group lines.
DocumentSection longPropertySection(int rows) {
    std::vector<DocumentRow> table;
    for (int i = 1; i <= rows; ++i) {
        if (i % 20 == 1) {
            table.push_back({{"Gruppe " + std::to_string(i / 20 + 1)}, true, 0});
        }
        char number[16];
        std::snprintf(number, sizeof number, "Zeile%03d", i);
        table.push_back(
            {{number, ">=" + std::to_string(200 + i) + " MPa", "längs", ">=20 °C", "Normwert", ""}});
    }
    DocumentSection section{"eigenschaften.rpt", "Eigenschaften", {}};
    section.blocks.push_back(tableBlock(
        {"Abmessung", "Wert", "Probenlage", "bei Temperatur", "Klassifizierung", "Fußnote"}, table));
    section.blocks.push_back(
        {DocumentBlock::Kind::Footnotes, {"1 Anfangsmesslänge L0 = 5,65 · √S0."}, false, {}});
    return section;
}

QSizeF a4Area(QPaintDevice& device) {
    QPdfWriter& writer = static_cast<QPdfWriter&>(device);
    return QSizeF(writer.pageLayout().paintRectPixels(writer.resolution()).size());
}

struct Located {
    int page = -1;
    QRectF rect;
};

Located locate(const DataSheetPages& pages, const QString& text) {
    for (std::size_t p = 0; p < pages.pages().size(); ++p) {
        for (const auto& item : pages.pages()[p].items) {
            if (item.kind == shell::print::PageItem::Kind::Text && item.text == text) {
                return {static_cast<int>(p), item.rect};
            }
        }
    }
    return {};
}

// Every place where the text stands, in page order.
std::vector<Located> locateAll(const DataSheetPages& pages, const QString& text) {
    std::vector<Located> found;
    for (std::size_t p = 0; p < pages.pages().size(); ++p) {
        for (const auto& item : pages.pages()[p].items) {
            if (item.kind == shell::print::PageItem::Kind::Text && item.text == text) {
                found.push_back({static_cast<int>(p), item.rect});
            }
        }
    }
    return found;
}

// Whether the text stands on that page above `below`.
bool standsAbove(const DataSheetPages& pages, const QString& text, const Located& below) {
    const auto all = locateAll(pages, text);
    return std::any_of(all.begin(), all.end(), [&below](const Located& at) {
        return at.page == below.page && at.rect.bottom() <= below.rect.top() + 0.5;
    });
}

// The text lowest on a page's body.
QString lastText(const DataSheetPages& pages, int page) {
    const shell::print::PageItem* last = nullptr;
    for (const auto& item : pages.pages()[static_cast<std::size_t>(page)].items) {
        if (item.kind == shell::print::PageItem::Kind::Text &&
            (last == nullptr || item.rect.top() >= last->rect.top())) {
            last = &item;
        }
    }
    return last == nullptr ? QString() : last->text;
}

DocumentSection fillerSection(int lines) {
    DocumentSection section{"Info", "Info", {}};
    std::vector<std::string> texts;
    for (int i = 1; i <= lines; ++i) {
        texts.push_back("Fülltext " + std::to_string(i));
    }
    section.blocks.push_back({DocumentBlock::Kind::Text, texts, false, {}});
    return section;
}

// Data sheets laid out on the A4 page of the PDF file.
struct A4Pages {
    explicit A4Pages(const ReportDocument& document, const QFont& font = QFont(QStringLiteral("Arial"), 10))
        : writer(QStringLiteral("/dev/null")) {
        writer.setResolution(600);
        shell::print::setDataSheetPage(writer);
        pages.emplace(document, font, writer, a4Area(writer));
    }
    QPdfWriter writer;
    std::optional<DataSheetPages> pages;
};

class DataSheetPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed: scripts/deps.sh installs it");
    }

    void sampleDataSheetPdfHoldsTheReportTextPageByPage() {
        apptest::SampleSteel steel;
        const auto document = steel.dataSheet("10.12.2026");
        const QString pdf = QStringLiteral(GK_TEST_OUTPUT_DIR "/datasheet-sample.pdf");
        QFile::remove(pdf);
        const DataSheetOutput output(document, QFont(QStringLiteral("Arial"), 10));
        QVERIFY(output.savePdf(pdf));

        const auto pages = pdfPages(pdf);
        QVERIFY(!pages.isEmpty());
        for (int i = 0; i < pages.size(); ++i) {
            const auto& page = pages[i];
            QVERIFY2(page.contains(QStringLiteral("Werkstoffdatenblatt")), qPrintable(page));
            // Named by the page head alone, the first page too.
            QVERIFY2(page.count(QStringLiteral("Werkstoff: 1.0038")) == 1, qPrintable(page));
            QVERIFY2(page.count(QStringLiteral("Land: Europa (EN)")) == 1, qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Druckdatum: 10.12.2026")), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(pages.size())),
                     qPrintable(page));
        }
        // Every piece in the order of the report: on the page of the piece before it or a later one.
        int page = 0;
        for (const auto& piece : textPieces(document.Text())) {
            while (page < pages.size() && !pages[page].contains(piece)) {
                ++page;
            }
            QVERIFY2(page < pages.size(), qPrintable(QStringLiteral("missing or out of order: ") + piece));
        }

        const auto image =
            shell::print::DataSheetPainter(document, QFont(QStringLiteral("Arial"), 10)).pageImage(0, 110);
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QStringLiteral(GK_TEST_OUTPUT_DIR "/datasheet-sample-page1.png")));
    }

    // The long sheets of the sample, left as PDF files beside the test for a person to look at: no
    // page begins with rows whose heading stands on the page before.
    void longSampleSheetsBreakWhereAReaderExpects_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("steel");
        QTest::addRow("1.4301") << QStringLiteral("1.4301") << 0;
        QTest::addRow("1.7225") << QStringLiteral("1.7225") << 1;
    }
    void longSampleSheetsBreakWhereAReaderExpects() {
        QFETCH(QString, name);
        QFETCH(int, steel);
        apptest::SampleSteel sample(steel == 0 ? apptest::X5CrNi18_10 : apptest::C42CrMo4);
        const auto document = sample.dataSheet("10.12.2026");
        const QString pdf = QStringLiteral(GK_TEST_OUTPUT_DIR "/datasheet-%1.pdf").arg(name);
        QFile::remove(pdf);
        const QFont font(QStringLiteral("Arial"), 10);
        QVERIFY(DataSheetOutput(document, font).savePdf(pdf));
        const A4Pages laid(document, font);
        const auto& pages = *laid.pages;
        QVERIFY(pages.pageCount() >= 3);
        // What leads into what follows: captions, headings, a part's caption, a table's title.
        QStringList leading;
        for (const auto& section : document.sections) {
            leading.push_back(QString::fromStdString(section.caption));
            for (std::size_t b = 0; b < section.blocks.size(); ++b) {
                const auto& block = section.blocks[b];
                const bool beforeTable =
                    b + 1 < section.blocks.size() && section.blocks[b + 1].kind == DocumentBlock::Kind::Table;
                if (block.kind == DocumentBlock::Kind::Heading || (beforeTable && !block.lines.empty())) {
                    for (const auto& line : block.lines) {
                        leading.push_back(QString::fromStdString(line));
                    }
                } else if (block.kind == DocumentBlock::Kind::Text && block.lines.size() > 1) {
                    leading.push_back(QString::fromStdString(block.lines.front()));
                }
            }
        }
        for (int p = 0; p + 1 < pages.pageCount(); ++p) {
            const auto last = lastText(pages, p);
            QVERIFY2(!leading.contains(last),
                     qPrintable(QStringLiteral("page %1 ends with %2").arg(p + 1).arg(last)));
        }
    }

    void longDataSheetRepeatsItsTableHeadsOnEveryPage() {
        const auto document = documentWith({longPropertySection(220)});
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QVERIFY(DataSheetOutput(document, QFont(QStringLiteral("Arial"), 10)).savePdf(pdf));
        const auto pages = pdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        for (int i = 0; i < pages.size(); ++i) {
            for (const auto* head : {"Abmessung", "Probenlage", "bei Temperatur", "Klassifizierung"}) {
                QVERIFY2(pages[i].contains(QString::fromUtf8(head)),
                         qPrintable(QStringLiteral("page %1: ").arg(i + 1) + head));
            }
            QVERIFY(pages[i].contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(pages.size())));
        }
        // Every row once, none lost at a break, and the footnote after the last row.
        const auto all = pages.join(QLatin1Char(' '));
        for (int i = 1; i <= 220; ++i) {
            const auto row = QStringLiteral("Zeile%1").arg(i, 3, 10, QLatin1Char('0'));
            QCOMPARE(all.count(row), 1);
        }
        QVERIFY(pages.back().contains(QStringLiteral("Anfangsmesslänge")));
        QVERIFY(all.indexOf(QStringLiteral("Zeile220")) < all.indexOf(QStringLiteral("Anfangsmesslänge")));
    }

    void wideElementListGoesOnInColumnGroupsWithinThePage() {
        std::vector<std::string> heads{"Element"};
        std::vector<std::string> values{"Wert"};
        for (const auto* element :
             {"C", "Si", "Mn", "P",  "S",  "Cr", "Mo", "Ni", "Al", "Cu", "N",  "Nb", "Ti", "V",
              "B", "Co", "W",  "Pb", "Sn", "As", "Sb", "Ca", "Zr", "Ta", "Se", "Te", "Bi", "Mg"}) {
            heads.push_back(element);
            values.push_back("0,100 - 0,250 12)");
        }
        DocumentSection section{"Analyse", "Chemische Analyse", {}};
        section.blocks.push_back(tableBlock(heads, {{values}}));
        section.blocks.push_back(
            {DocumentBlock::Kind::Footnotes, {"12) Fußnote unter der Tabelle"}, false, {}});
        const auto document = documentWith({section});
        QPdfWriter writer(QStringLiteral("/dev/null"));
        shell::print::setDataSheetPage(writer);
        const QSizeF area = a4Area(writer);
        const DataSheetPages pages(document, QFont(QStringLiteral("Arial"), 10), writer, area);
        int labels = 0;
        for (const auto& page : pages.pages()) {
            for (const auto& item : page.items) {
                QVERIFY2(item.rect.right() <= area.width() + 0.5, qPrintable(item.text));
                labels += item.text == QStringLiteral("Element") ? 1 : 0;
            }
        }
        QVERIFY2(labels >= 2, "a wide element list goes on under its repeated first column");
        for (const auto& head : heads) {
            QVERIFY2(locate(pages, QString::fromStdString(head)).page >= 0, head.c_str());
        }
        // The footnotes stand under the last group of the table.
        const auto note = locate(pages, QStringLiteral("12) Fußnote unter der Tabelle"));
        const auto last = locate(pages, QStringLiteral("Mg"));
        QVERIFY(note.page > last.page || (note.page == last.page && note.rect.top() > last.rect.top()));
    }

    void captionStaysWithTheFirstRowsOfItsSection_data() {
        QTest::addColumn<int>("lines");
        for (int lines = 40; lines <= 80; lines += 2) {
            QTest::addRow("%d lines before", lines) << lines;
        }
    }
    void captionStaysWithTheFirstRowsOfItsSection() {
        QFETCH(int, lines);
        DocumentSection first{"Info", "Info", {}};
        first.blocks.push_back({DocumentBlock::Kind::Text,
                                std::vector<std::string>(static_cast<std::size_t>(lines), "Text"),
                                false,
                                {}});
        DocumentSection second{"Normenvergleich", "Normenvergleich", {}};
        second.blocks.push_back(
            tableBlock({"Land", "Kurzname"}, {{{"China", "Q235B"}}, {{"Italien", "Fe360B"}}}));
        const auto document = documentWith({first, second});
        QPdfWriter writer(QStringLiteral("/dev/null"));
        shell::print::setDataSheetPage(writer);
        const DataSheetPages pages(document, QFont(QStringLiteral("Arial"), 10), writer, a4Area(writer));
        const auto caption = locate(pages, QStringLiteral("Normenvergleich"));
        QVERIFY(caption.page >= 0);
        QCOMPARE(locate(pages, QStringLiteral("Land")).page, caption.page);
        QCOMPARE(locate(pages, QStringLiteral("China")).page, caption.page);
    }

    // However much comes before, a property table's heading and its standard's title stand on the
    // page where the table begins.
    void headingAndTitleStayWithTheFirstRowsOfTheirTable_data() {
        QTest::addColumn<int>("lines");
        for (int lines = 30; lines <= 80; ++lines) {
            QTest::addRow("%d lines before", lines) << lines;
        }
    }
    void headingAndTitleStayWithTheFirstRowsOfTheirTable() {
        QFETCH(int, lines);
        const std::vector<std::string> heads{"Abmessung", "Wert", "bei Temperatur"};
        DocumentSection properties{"eigenschaften.rpt", "Eigenschaften", {}};
        for (const auto* kind : {"Physikalische Eigenschaften", "Wärmebehandlung"}) {
            const std::string name = kind;
            properties.blocks.push_back({DocumentBlock::Kind::Heading, {name}, true, {}});
            properties.blocks.push_back({DocumentBlock::Kind::Text,
                                         {"Norm EN 10088-2 (2014) gültig (" + name + ")",
                                          "Nichtrostende Stähle – Teil 2 (" + name + ")"},
                                         false,
                                         {}});
            std::vector<DocumentRow> rows{{{"Blech (" + name + ")"}, true, 0}};
            for (int i = 1; i <= 6; ++i) {
                rows.push_back({{"<=8 mm", name + " " + std::to_string(i), "20 °C"}});
            }
            properties.blocks.push_back(tableBlock(heads, rows));
        }
        const A4Pages laid(documentWith({fillerSection(lines), properties}));
        const auto& pages = *laid.pages;
        for (const auto* kind : {"Physikalische Eigenschaften", "Wärmebehandlung"}) {
            const auto name = QString::fromUtf8(kind);
            const auto heading = locate(pages, name);
            QVERIFY(heading.page >= 0);
            const auto title = locate(pages, QStringLiteral("Nichtrostende Stähle – Teil 2 (%1)").arg(name));
            const auto first = locate(pages, name + QStringLiteral(" 1"));
            const auto second = locate(pages, name + QStringLiteral(" 2"));
            QCOMPARE(locate(pages, QStringLiteral("Norm EN 10088-2 (2014) gültig (%1)").arg(name)).page,
                     heading.page);
            QCOMPARE(title.page, heading.page);
            QCOMPARE(first.page, heading.page);
            QVERIFY(standsAbove(pages, QStringLiteral("Wert"), first));
            QVERIFY(second.page >= first.page);
        }
    }

    // A supplier whose lines go on on a new page is named again above them there, and no page ends
    // with a supplier's name or the caption of one of its parts.
    void supplierGoesOnUnderItsName_data() {
        QTest::addColumn<int>("lines");
        for (int lines = 30; lines <= 80; ++lines) {
            QTest::addRow("%d lines before", lines) << lines;
        }
    }
    void supplierGoesOnUnderItsName() {
        QFETCH(int, lines);
        const std::vector<std::string> firms{"Exempel Stahl AB", "Muster Edelstahl GmbH"};
        DocumentSection suppliers{"Lieferfirmen", "Lieferfirmen", {}};
        std::vector<QString> all;
        for (const auto& firm : firms) {
            suppliers.blocks.push_back({DocumentBlock::Kind::Heading, {firm}, true, {}});
            for (const auto& [caption, count] :
                 {std::pair{"Anschrift:", 3}, std::pair{"Firmenbezeichnung:", 2},
                  std::pair{"Lieferform:", 30}}) {
                std::vector<std::string> texts{caption};
                for (int i = 1; i <= count; ++i) {
                    texts.push_back(firm + ", " + caption + " " + std::to_string(i));
                    all.push_back(QString::fromStdString(texts.back()));
                }
                suppliers.blocks.push_back({DocumentBlock::Kind::Text, texts, false, {}});
            }
        }
        const A4Pages laid(documentWith({fillerSection(lines), suppliers}));
        const auto& pages = *laid.pages;
        QVERIFY(pages.pageCount() >= 2);
        for (const auto& line : all) {
            const auto at = locateAll(pages, line);
            QCOMPARE(at.size(), std::size_t{1});
            const auto firm = line.left(line.indexOf(QLatin1Char(',')));
            QVERIFY2(standsAbove(pages, firm, at.front()), qPrintable(line));
        }
        // A firm's name stands once on each page of its lines, and not over another firm's lines.
        for (const auto& firm : firms) {
            const auto name = QString::fromStdString(firm);
            std::vector<int> named;
            for (const auto& at : locateAll(pages, name)) {
                named.push_back(at.page);
            }
            std::vector<int> shown;
            for (const auto& line : all) {
                const auto at = locate(pages, line);
                if (line.startsWith(name) && std::find(shown.begin(), shown.end(), at.page) == shown.end()) {
                    shown.push_back(at.page);
                }
            }
            QCOMPARE(named, shown);
        }
        for (int p = 0; p + 1 < pages.pageCount(); ++p) {
            const auto last = lastText(pages, p);
            QVERIFY2(!last.endsWith(QLatin1Char(':')) &&
                         std::find(firms.begin(), firms.end(), last.toStdString()) == firms.end(),
                     qPrintable(QStringLiteral("page %1 ends with %2").arg(p + 1).arg(last)));
        }
    }

    // A property table that goes on on a new page shows there, under its column heads, the form,
    // state and property that its first rows stand under.
    void propertyTableGoesOnUnderItsFormAndState() {
        std::vector<DocumentRow> rows;
        std::vector<std::pair<QString, QStringList>> expected;
        int n = 0;
        for (int form = 1; form <= 3; ++form) {
            const auto formLine = "Form " + std::to_string(form);
            rows.push_back({{formLine}, true, 0});
            for (int state = 1; state <= 2; ++state) {
                const auto stateLine = "Zustand " + std::to_string(form) + "." + std::to_string(state);
                rows.push_back({{stateLine}, true, 1});
                for (int property = 1; property <= 2; ++property) {
                    const auto nameLine = "Eigenschaft " + std::to_string(form) + "." +
                                          std::to_string(state) + "." + std::to_string(property);
                    rows.push_back({{nameLine}, true, 2});
                    for (int i = 0; i < 12; ++i) {
                        const auto value = "Wert " + std::to_string(++n);
                        rows.push_back({{"<=16 mm", value, "längs"}});
                        expected.push_back(
                            {QString::fromStdString(value),
                             {QString::fromStdString(formLine), QString::fromStdString(stateLine),
                              QString::fromStdString(nameLine)}});
                    }
                }
            }
        }
        DocumentSection section{"eigenschaften.rpt", "Eigenschaften", {}};
        section.blocks.push_back({DocumentBlock::Kind::Heading, {"Mechanische Eigenschaften"}, true, {}});
        section.blocks.push_back(tableBlock({"Abmessung", "Wert", "Probenlage"}, rows));
        const A4Pages laid(documentWith({section}));
        const auto& pages = *laid.pages;
        QVERIFY2(pages.pageCount() >= 3, qPrintable(QString::number(pages.pageCount())));
        for (const auto& [value, groups] : expected) {
            const auto at = locateAll(pages, value);
            QCOMPARE(at.size(), std::size_t{1});
            QVERIFY2(standsAbove(pages, QStringLiteral("Abmessung"), at.front()), qPrintable(value));
            for (const auto& group : groups) {
                QVERIFY2(standsAbove(pages, group, at.front()),
                         qPrintable(value + QStringLiteral(": ") + group));
            }
        }
        // A group line is repeated only where its rows go on: the second form is not over the first's.
        QCOMPARE(locate(pages, QStringLiteral("Form 2")).page, locate(pages, QStringLiteral("Wert 49")).page);
        QVERIFY(!standsAbove(pages, QStringLiteral("Form 2"), locate(pages, QStringLiteral("Wert 48"))));
    }

    // Sheets made up at random, laid out on A4: every line and row once, in the order of the sheet,
    // within the page's body; every row under its column heads and the group lines it stands under,
    // every line of a text under a heading under that heading, on its own page.
    void generatedSheetsKeepEveryRowUnderWhatItBelongsTo() {
        std::mt19937 random(20261211);
        const auto between = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int round = 0; round < 40; ++round) {
            int serial = 0;
            const auto unique = [&serial](const std::string& what) {
                return what + " " + std::to_string(++serial);
            };
            std::vector<QString> order;
            // Per value row or text line: what must stand above it on its page.
            std::vector<std::pair<QString, QStringList>> under;
            std::vector<DocumentSection> sections;
            for (int s = between(1, 5); s > 0; --s) {
                DocumentSection section{"Abschnitt", unique("Abschnitt"), {}};
                order.push_back(QString::fromStdString(section.caption));
                for (int b = between(1, 6); b > 0; --b) {
                    const auto heading = unique("Überschrift");
                    section.blocks.push_back({DocumentBlock::Kind::Heading, {heading}, true, {}});
                    order.push_back(QString::fromStdString(heading));
                    if (between(0, 1) == 0) {
                        std::vector<std::string> lines;
                        for (int l = between(1, 30); l > 0; --l) {
                            lines.push_back(unique("Zeile"));
                            order.push_back(QString::fromStdString(lines.back()));
                            under.push_back({order.back(), {QString::fromStdString(heading)}});
                        }
                        section.blocks.push_back({DocumentBlock::Kind::Text, lines, false, {}});
                        continue;
                    }
                    const auto head = unique("Kopf");
                    std::vector<DocumentRow> rows;
                    std::vector<std::string> groups;
                    for (int r = between(1, 60); r > 0; --r) {
                        if (between(0, 4) == 0) {
                            const int level = between(0, std::min<int>(2, static_cast<int>(groups.size())));
                            groups.resize(static_cast<std::size_t>(level));
                            groups.push_back(unique("Gruppe"));
                            rows.push_back({{groups.back()}, true, level});
                            order.push_back(QString::fromStdString(groups.back()));
                        }
                        rows.push_back({{unique("Wert"), "längs"}});
                        order.push_back(QString::fromStdString(rows.back().cells.front()));
                        QStringList above{QString::fromStdString(head)};
                        for (const auto& group : groups) {
                            above.push_back(QString::fromStdString(group));
                        }
                        under.push_back({order.back(), above});
                    }
                    section.blocks.push_back(tableBlock({head, "Probenlage"}, rows));
                    if (between(0, 1) == 0) {
                        section.blocks.push_back(
                            {DocumentBlock::Kind::Footnotes, {unique("Fußnote")}, false, {}});
                        order.push_back(QString::fromStdString(section.blocks.back().lines.front()));
                    }
                }
                sections.push_back(std::move(section));
            }
            const A4Pages laid(documentWith(sections));
            const auto& pages = *laid.pages;
            const double top = pages.head().back().rect.bottom();
            const double bottom = pages.foot(0).front().rect.top();
            for (const auto& page : pages.pages()) {
                for (const auto& item : page.items) {
                    QVERIFY2(item.rect.top() >= top && item.rect.bottom() <= bottom + 0.5,
                             qPrintable(item.text));
                }
            }
            // Once each, in order (what a page repeats is no value row and no text line).
            Located previous{0, {}};
            for (const auto& text : order) {
                const auto all = locateAll(pages, text);
                const bool repeatable = text.startsWith(QStringLiteral("Überschrift")) ||
                                        text.startsWith(QStringLiteral("Gruppe"));
                QVERIFY2(!all.empty() && (repeatable || all.size() == 1), qPrintable(text));
                const auto& at = all.front();
                QVERIFY2(at.page > previous.page ||
                             (at.page == previous.page && at.rect.top() >= previous.rect.top()),
                         qPrintable(text));
                previous = at;
            }
            for (const auto& [text, above] : under) {
                const auto at = locate(pages, text);
                for (const auto& over : above) {
                    QVERIFY2(standsAbove(pages, over, at),
                             qPrintable(text + QStringLiteral(" under ") + over));
                }
            }
        }
    }

    void theChosenFontIsTheFontOfTheSheet() {
        const auto document = documentWith({longPropertySection(60)});
        QPdfWriter writer(QStringLiteral("/dev/null"));
        shell::print::setDataSheetPage(writer);
        const QFont chosen(QStringLiteral("DejaVu Serif"), 12);
        const DataSheetPages large(document, chosen, writer, a4Area(writer));
        const auto row =
            std::find_if(large.pages().front().items.begin(), large.pages().front().items.end(),
                         [](const auto& item) { return item.text == QStringLiteral("Zeile001"); });
        QVERIFY(row != large.pages().front().items.end());
        QCOMPARE(row->font.family(), chosen.family());
        QCOMPARE(row->font.pointSizeF(), 12.0);
        const DataSheetPages small(document, QFont(QStringLiteral("DejaVu Serif"), 8), writer,
                                   a4Area(writer));
        QVERIFY(small.pageCount() < large.pageCount());
    }

    void withoutPrinterTheUserIsOfferedThePdfFile_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("written");
        QTest::addRow("yes saves") << true << true;
        QTest::addRow("no saves nothing") << false << false;
    }
    void withoutPrinterTheUserIsOfferedThePdfFile() {
        QFETCH(bool, accept);
        QFETCH(bool, written);
        const auto document = documentWith({longPropertySection(5)});
        QTemporaryDir dir;
        apptest::FakeMessageBoxes messages;
        messages.answers.push_back(accept ? platform::qt::MessageBoxes::Answer::Yes
                                          : platform::qt::MessageBoxes::Answer::No);
        apptest::FakeFileDialogs files;
        files.answer = dir.filePath(QStringLiteral("sheet.pdf"));
        DataSheetOutput::Services services{&messages, &files, [] { return false; },
                                           [](QPrinter&, QWidget*) {
                                               QTest::qFail("no printer dialog without a printer", __FILE__,
                                                            __LINE__);
                                               return false;
                                           }};
        QPrinter printer;
        const auto result = DataSheetOutput(document, QFont(QStringLiteral("Arial"), 10))
                                .print(nullptr, printer, services, 0);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QVERIFY(messages.shown.front().text.contains(QStringLiteral("kein Drucker")));
        QCOMPARE(result, written ? DataSheetOutput::Result::SavedAsPdf : DataSheetOutput::Result::Cancelled);
        QCOMPARE(QFile::exists(files.answer), written);
        if (written) {
            QCOMPARE(pdfPages(files.answer).size(), 1);
        }
    }

    void printingGoesToThePrinterTheUserConfirmedOnThePaperChosen_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<QSize>("points");
        QTest::addRow("as offered") << false << QPageSize::A4 << QPageLayout::Portrait << QSize(595, 842);
        QTest::addRow("letter landscape")
            << true << QPageSize::Letter << QPageLayout::Landscape << QSize(792, 612);
        QTest::addRow("A5 portrait") << true << QPageSize::A5 << QPageLayout::Portrait << QSize(420, 595);
        QTest::addRow("A4 landscape") << true << QPageSize::A4 << QPageLayout::Landscape << QSize(842, 595);
    }
    void printingGoesToThePrinterTheUserConfirmedOnThePaperChosen() {
        QFETCH(bool, changed);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(QSize, points);
        const auto document = documentWith({longPropertySection(60)});
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("printed.pdf"));
        apptest::FakeMessageBoxes messages;
        int asked = 0;
        QPageLayout offered;
        DataSheetOutput::Services services{&messages, nullptr, [] { return true; },
                                           [&](QPrinter& printer, QWidget*) {
                                               ++asked;
                                               offered = printer.pageLayout();
                                               printer.setOutputFileName(target);
                                               if (changed) {
                                                   printer.setPageSize(QPageSize(paper));
                                                   printer.setPageOrientation(orientation);
                                               }
                                               return true;
                                           }};
        QPrinter printer;
        QCOMPARE(DataSheetOutput(document, QFont(QStringLiteral("Arial"), 10))
                     .print(nullptr, printer, services, 2),
                 DataSheetOutput::Result::Printed);
        QCOMPARE(asked, 1);
        QVERIFY(messages.shown.empty());
        // The dialog offered the data sheet's page; the pages came out as the user chose.
        QCOMPARE(offered.pageSize().id(), QPageSize::A4);
        QCOMPARE(offered.orientation(), QPageLayout::Portrait);
        QCOMPARE(printer.pageLayout().pageSize().id(), paper);
        QCOMPARE(printer.pageLayout().orientation(), orientation);
        QCOMPARE(pdfPageSize(target), points);
        const auto all = pdfPages(target).join(QLatin1Char(' '));
        QVERIFY(all.contains(QStringLiteral("Zeile001")) && all.contains(QStringLiteral("Zeile060")));
    }

    void aPrinterThatTakesNothingSaysWhy_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("intoFile");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("said");
        const int file = platform::err::PathFileAccessError;
        QTest::addRow("German, a file")
            << 0 << true << file << "Das Datenblatt wurde nicht gedruckt. Die Datei konnte nicht";
        QTest::addRow("French, a file")
            << 1 << true << file << "La fiche technique n'a pas été imprimée. Le fichier n'a pas pu";
        QTest::addRow("English, a file")
            << 2 << true << file << "The data sheet was not printed. The file could not be written";
        QTest::addRow("German, a printer") << 0 << false << platform::err::PrinterError
                                           << "Das Datenblatt wurde nicht gedruckt. Der Drucker";
    }
    void aPrinterThatTakesNothingSaysWhy() {
        QFETCH(int, language);
        QFETCH(bool, intoFile);
        QFETCH(int, number);
        QFETCH(QString, said);
        const auto document = documentWith({longPropertySection(5)});
        QTemporaryDir dir;
        const QString target =
            intoFile ? dir.filePath(QStringLiteral("no such folder/printed.pdf")) : QString();
        DataSheetOutput::Services services{nullptr, nullptr, [] { return true; },
                                           [&target](QPrinter& printer, QWidget*) {
                                               printer.setOutputFileName(target);
                                               printer.setPrinterName(QStringLiteral("Büro 2"));
                                               return true;
                                           }};
        QPrinter printer;
        try {
            (void)DataSheetOutput(document, QFont(QStringLiteral("Arial"), 10))
                .print(nullptr, printer, services, language);
            QFAIL("a print that went nowhere passed for printed");
        } catch (const platform::CallError& e) {
            QCOMPARE(e.number(), number);
            const auto description = QString::fromStdString(e.description());
            QVERIFY2(description.startsWith(said), qPrintable(description));
            QVERIFY2(description.endsWith(intoFile ? target : QStringLiteral("nicht angenommen.")),
                     qPrintable(description));
        }
    }
};

} // namespace

QTEST_MAIN(DataSheetPrintTest)
#include "DataSheetPrintTest.moc"
