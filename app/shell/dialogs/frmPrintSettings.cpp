#include "frmPrintSettings.h"

#include "DataSheetOutput.h"
#include "DialogSupport.h"
#include "common/Enums.h"
#include "frmPrintPreview.h"
#include "frmPropertyPrintRange.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "objects/PrintSteel.h"
#include "objects/ProductShapes.h"
#include "objects/Report.h"
#include "platform/CallError.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/ErrorWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell::dialogs {

namespace {

constexpr auto Section = "PrintSettings";
constexpr auto Module = "frmPrintSettings";

// The boxes top to bottom with their captions; the second column indents the sub-sections.
struct BoxLayout {
    int index;
    const char* caption;
    bool indented;
};
constexpr BoxLayout Boxes[] = {{0, "Alle Angaben", false},
                               {1, "Normen", false},
                               {2, "Stahlgruppe", false},
                               {3, "Verwendungszweck", false},
                               {4, "Chemische Analyse", false},
                               {14, "Eigenschaften", false},
                               {6, "Wärmebehandlung", true},
                               {5, "Mechanische Eigenschaften", true},
                               {7, "Physikalische Eigenschaften", true},
                               {8, "Normenvergleich", false},
                               {13, "Info", false},
                               {9, "Lieferfirmen", false},
                               {10, "Anschrift", true},
                               {11, "Lieferform", true},
                               {12, "Firmenbezeichnung", true}};

// The "..." buttons beside the boxes "Eigenschaften", "Wärmebehandlung", "Mechanische" and
// "Physikalische Eigenschaften".
constexpr int RangeBeside[] = {14, 6, 5, 7};

// Restores the pointer on every way out.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

} // namespace

frmPrintSettings::frmPrintSettings(const contract::DialogContext& context, std::string programFolder)
    : QDialog(context.parent), m_context(context), m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("frmPrintSettings"));
    setWindowTitle(QStringLiteral("Druckeinstellungen"));
    if (m_context.printer == nullptr) {
        m_ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_context.printer = m_ownPrinter.get();
    }
    auto* layout = new QVBoxLayout(this);
    auto* sections = new QGroupBox(QStringLiteral("Ausdruck"), this);
    nameControl(*sections, "fraAusdruck");
    auto* grid = new QGridLayout(sections);
    int row = 0;
    for (const auto& box : Boxes) {
        auto* check = new QCheckBox(QString::fromUtf8(box.caption), sections);
        nameControl(*check, "chkPrintoptions", box.index);
        m_boxes[static_cast<std::size_t>(box.index)] = check;
        grid->addWidget(check, row, box.indented ? 1 : 0, 1, box.indented ? 1 : 2);
        for (int i = 0; i < 4; ++i) {
            if (RangeBeside[i] == box.index) {
                auto* button = new QPushButton(QStringLiteral("..."), sections);
                nameControl(*button, "cmdPropertyPrintRange", i);
                button->setMaximumWidth(40);
                m_ranges[static_cast<std::size_t>(i)] = button;
                grid->addWidget(button, row, 2);
                connect(button, &QPushButton::clicked, this, [this, i] { cmdPropertyPrintRange_Click(i); });
            }
        }
        if (box.index == Shapes) {
            m_shapes = new QComboBox(sections);
            nameControl(*m_shapes, "cboProductShape");
            grid->addWidget(m_shapes, row, 2);
        }
        const int index = box.index;
        connect(check, &QCheckBox::toggled, this, [this, index] { chkPrintoptions_Click(index); });
        ++row;
    }
    layout->addWidget(sections);

    auto* fontFrame = new QGroupBox(this);
    nameControl(*fontFrame, "fraSchrift");
    auto* fontGrid = new QGridLayout(fontFrame);
    auto* fontLabel = new QLabel(QStringLiteral("Schriftart"), fontFrame);
    nameControl(*fontLabel, "lblSchriftart");
    m_fonts = new QFontComboBox(fontFrame);
    nameControl(*m_fonts, "cboFonts");
    auto* sizeLabel = new QLabel(QStringLiteral("Schriftgröße"), fontFrame);
    nameControl(*sizeLabel, "lblSchriftgroesse");
    m_sizes = new QComboBox(fontFrame);
    nameControl(*m_sizes, "cboFontSize");
    m_sizes->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")});
    fontGrid->addWidget(fontLabel, 0, 0);
    fontGrid->addWidget(m_fonts, 0, 1);
    fontGrid->addWidget(sizeLabel, 1, 0);
    fontGrid->addWidget(m_sizes, 1, 1);
    layout->addWidget(fontFrame);

    auto* buttons = new QHBoxLayout;
    const char* const prints[] = {"&Seitenansicht", "&Drucken"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(prints[i]), this);
        nameControl(*button, "cmdPrint", i);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdPrint_Click(i); });
    }
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    nameControl(*close, "cmdCancel");
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    adjustCaptions(m_context.language, *this);
    m_shapes->addItem(textOf(m_context.language, orvik::common::TextID::alle, QStringLiteral("alle")), 0);
    if (m_context.material) {
        if (const auto shapes = m_context.material->ProductShapes()) {
            for (const auto& shape : *shapes) {
                m_shapes->addItem(QString::fromStdString(shape->Shape), shape->ShapeID);
            }
        }
    }
    m_shapes->setCurrentIndex(0);
    restore();
}

frmPrintSettings::~frmPrintSettings() = default;

bool frmPrintSettings::on(Box box) const {
    return m_boxes[box]->isChecked();
}

QFont frmPrintSettings::chosenFont() const {
    QFont font = m_fonts->currentFont();
    font.setPointSize(m_sizes->currentText().toInt());
    return font;
}

void frmPrintSettings::restore() {
    const auto boxes = storedSetting(Section, "Sections", QString());
    const auto stored = [&boxes](int i) {
        return i < boxes.size() && boxes[i] == QLatin1Char('1');
    };
    // "Eigenschaften" first: checking it checks its three kinds, which then take their own states.
    m_boxes[Properties]->setChecked(stored(Properties));
    for (int i = 1; i < Properties; ++i) {
        m_boxes[static_cast<std::size_t>(i)]->setChecked(stored(i));
    }
    m_boxes[All]->setChecked(boxes.isEmpty() || boxes[0] == QLatin1Char('1'));
    m_fonts->setCurrentFont(QFont(storedSetting(Section, "Font", QStringLiteral("Arial"))));
    const auto size = m_sizes->findText(storedSetting(Section, "FontSize", QStringLiteral("10")));
    m_sizes->setCurrentIndex(size >= 0 ? size : 1);
    updateStates();
}

void frmPrintSettings::store() const {
    QString boxes;
    for (const auto* box : m_boxes) {
        boxes += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    }
    storeSetting(Section, "Sections", boxes);
    storeSetting(Section, "Font", m_fonts->currentFont().family());
    storeSetting(Section, "FontSize", m_sizes->currentText());
}

void frmPrintSettings::done(int result) {
    store();
    QDialog::done(result);
}

void frmPrintSettings::chkPrintoptions_Click(int index) {
    const bool checked = m_boxes[static_cast<std::size_t>(index)]->isChecked();
    switch (index) {
    case All:
        for (int i = 1; i < BoxCount; ++i) {
            m_boxes[static_cast<std::size_t>(i)]->setEnabled(!checked);
        }
        break;
    case Suppliers:
        if (!checked) {
            for (const auto box : {Address, Shapes, Tradename}) {
                m_boxes[box]->setChecked(false);
            }
        }
        break;
    case Address:
    case Shapes:
    case Tradename:
        if (checked) {
            m_boxes[Suppliers]->setChecked(true);
        }
        break;
    case Properties:
        for (const auto box : {Mechanical, Physical, HeatTreatment}) {
            m_boxes[box]->setChecked(checked);
        }
        break;
    default:
        break;
    }
    updateStates();
}

void frmPrintSettings::updateStates() {
    const bool all = on(All);
    if (!all) {
        for (const auto box : {Mechanical, Physical, HeatTreatment}) {
            m_boxes[box]->setEnabled(on(Properties));
        }
    }
    m_ranges[0]->setEnabled(on(Properties) || all);
    m_ranges[2]->setEnabled(on(Mechanical) || all);
    m_ranges[3]->setEnabled(on(Physical) || all);
    m_ranges[1]->setEnabled(on(HeatTreatment) || all);
    m_shapes->setEnabled(on(Shapes) || all);
}

void frmPrintSettings::cmdPropertyPrintRange_Click(int index) {
    const auto i = static_cast<std::size_t>(index);
    frmPropertyPrintRange range(this, m_context.language, m_context.services.messageBoxes, m_context.material,
                                index, m_items[i], m_all[i]);
    if (showRange) {
        showRange(range);
    } else {
        range.exec();
    }
    m_all[i] = range.PrintAll();
}

// The keys of a list as the print writer reads them: the chosen entries, or all of the steel's.
std::shared_ptr<platform::Dictionary<>> frmPrintSettings::chosenList(int list, std::int32_t group) {
    const auto i = static_cast<std::size_t>(list);
    std::shared_ptr<const Items> source;
    if (!m_all[i]) {
        source = std::make_shared<Items>(m_items[i]);
    } else if (m_context.material) {
        source = list == 0 ? m_context.material->GetPropertyStandardList()
                           : m_context.material->GetPropertyList(group);
    }
    auto keys = std::make_shared<platform::Dictionary<>>();
    if (source) {
        for (const auto& entry : *source) {
            keys->setItem(entry.key, entry.key);
        }
    }
    return keys;
}

void frmPrintSettings::fillPrintSteel(orvik::objects::PrintSteel& print) {
    print.Material(m_context.material);
    if (m_context.application) {
        print.LanguageClass(m_context.application->LanguageObject());
    }
    const bool all = on(All);
    print.PrintSuppliers = all || on(Suppliers);
    print.PrintAddress = all || (on(Suppliers) && on(Address));
    print.PrintShapes = all || (on(Suppliers) && on(Shapes));
    print.PrintTradename = all || (on(Suppliers) && on(Tradename));
    print.PrintMechanicalProperties = all || (on(Properties) && on(Mechanical));
    print.PrintHeatTreatment = all || (on(Properties) && on(HeatTreatment));
    print.PrintPhysicalProperties = all || (on(Properties) && on(Physical));
    print.PrintComposition = all || on(Composition);
    print.PrintStandardsComparsion = all || on(Comparison);
    print.PrintRangeOfApplication = all || on(RangeOfApplication);
    print.PrintStandards = all || on(Standards);
    print.PrintSteelgroup = all || on(Steelgroup);
    print.PrintInfo = all || on(Info);
    print.ProductShapeId = m_shapes->currentData().toInt();
    print.PropertyStandardList(chosenList(0, 0));
    // Mechanical, physical and heat treatment, each of its group when printed.
    auto properties = std::make_shared<platform::Dictionary<>>();
    const std::pair<int, std::int32_t> groups[] = {{2, 1}, {3, 2}, {1, 3}};
    const bool printed[] = {all || on(Mechanical), all || on(Physical), all || on(HeatTreatment)};
    for (std::size_t g = 0; g < 3; ++g) {
        if (!printed[g]) {
            continue;
        }
        const auto chosen = chosenList(groups[g].first, groups[g].second);
        for (const auto& entry : *chosen) {
            properties->setItem(entry.key, entry.key);
        }
    }
    print.PropertyList(properties);
}

void frmPrintSettings::showError(const QString& modul, const QString& procedure, std::int32_t number,
                                 const QString& text) {
    // The error window puts the normal pointer back itself.
    if (m_context.services.errorWindow != nullptr) {
        m_context.services.errorWindow->ShowErrorForm(this, modul, procedure, number, text);
    }
}

print::DataSheetOutput::Services frmPrintSettings::outputServices() const {
    auto services = printServices;
    services.messages = services.messages ? services.messages : m_context.services.messageBoxes;
    services.files = services.files ? services.files : m_context.services.fileDialogs;
    return services;
}

void frmPrintSettings::cmdPrint_Click(int index) {
    store();
    const auto language = m_context.language != nullptr ? m_context.language->Language() : 0;
    std::shared_ptr<orvik::objects::Report> report;
    try {
        const Hourglass busy;
        orvik::objects::PrintSteel print;
        const auto subscription = print.Error.subscribe([this](const orvik::objects::ErrorPtr& error) {
            showError(QString::fromStdString(error->Modul()), QString::fromStdString(error->Procedure()),
                      error->Number(), QString::fromStdString(error->Description()));
        });
        // Each preview and print starts from the empty template.
        const auto folder = orvik::objects::PrintSteel::PreparePrintDatabase(m_programFolder);
        fillPrintSteel(print);
        print.writeData(folder, static_cast<orvik::common::Language>(language));
        if (!print.DataComplete()) {
            return; // the error window told why; a partial data sheet is never shown
        }
        report = print.CreateReport(m_programFolder + "Reports/Report.rpt", folder);
    } catch (const platform::CallError& e) {
        showError(QString::fromLatin1(Module), QStringLiteral("cmdPrint_Click"), e.number(),
                  QString::fromStdString(e.description()));
        return;
    }
    if (index == 0) {
        frmPrintPreview preview(this, *m_context.printer, report, chosenFont(),
                                m_context.services.errorWindow, language);
        preview.printServices = outputServices();
        if (showPreview) {
            showPreview(preview);
        } else {
            preview.exec();
        }
        return;
    }
    try {
        const auto document = report->Document(print::printDate(language));
        const auto result = print::DataSheetOutput(document, chosenFont())
                                .print(this, *m_context.printer, outputServices(), language);
        if (result == print::DataSheetOutput::Result::Printed ||
            result == print::DataSheetOutput::Result::SavedAsPdf) {
            accept();
        }
    } catch (const platform::CallError& e) {
        showError(QString::fromLatin1(Module), QStringLiteral("cmdPrint_Click"), e.number(),
                  QString::fromStdString(e.description()));
    }
}

} // namespace shell::dialogs
