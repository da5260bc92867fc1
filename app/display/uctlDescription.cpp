#include "uctlDescription.h"

#include "DisplayTexts.h"
#include "MaterialDisplayInfo.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace display {

namespace {

struct RowDesign {
    const char* caption;
    bool multiLine;
};

// The German captions stand until the text service sets the current language's.
constexpr std::array<RowDesign, uctlDescription::RowCount> Rows{{{"Werkstoff Nr.", false},
                                                                 {"Kurzname", true},
                                                                 {"Firmenbez.", true},
                                                                 {"Stahlgruppe", false},
                                                                 {"Lieferfirma", true},
                                                                 {"Normen", true},
                                                                 {"Land", false}}};

} // namespace

uctlDescription::uctlDescription(QWidget* parent)
    : Panel(QStringLiteral("uctlDescription"), {}, parent),
      m_frame(new QGroupBox(QStringLiteral(" Beschreibung "), this)) {
    m_frame->setObjectName(QStringLiteral("fraBeschreibung"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 0, 4, 0);
    outer->addWidget(m_frame);
    auto* grid = new QGridLayout(m_frame);
    QPalette grey = palette();
    grey.setColor(QPalette::Base, QColor(224, 224, 224));
    const QFontMetrics metrics(font());
    for (int row = 0; row < RowCount; ++row) {
        auto* label = new QLabel(QString::fromUtf8(Rows[static_cast<std::size_t>(row)].caption), m_frame);
        label->setObjectName(QStringLiteral("lblBeschreibung"));
        label->setProperty("index", row);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        auto* text = new QPlainTextEdit(m_frame);
        text->setObjectName(QStringLiteral("txtStahlinfo"));
        text->setProperty("index", row);
        text->setReadOnly(true);
        text->setPalette(grey);
        text->viewport()->setMouseTracking(true);
        text->viewport()->installEventFilter(this);
        const bool multi = Rows[static_cast<std::size_t>(row)].multiLine;
        text->setVerticalScrollBarPolicy(multi ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        text->setFixedHeight(metrics.lineSpacing() * (multi ? 3 : 1) + 10);
        text->setLineWrapMode(multi ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        m_labels[static_cast<std::size_t>(row)] = label;
        m_texts[static_cast<std::size_t>(row)] = text;
        // Rows 0 to 3 on the left half, 4 to 6 on the right.
        const int gridRow = row < Supplier ? row : row - Supplier;
        const int gridCol = row < Supplier ? 0 : 2;
        grid->addWidget(label, gridRow, gridCol, Qt::AlignTop);
        grid->addWidget(text, gridRow, gridCol + 1, Qt::AlignTop);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setMouseTracking(true);
    m_frame->setMouseTracking(true);
    installEventFilter(this);
    m_frame->installEventFilter(this);
}

uctlDescription::~uctlDescription() = default;

void uctlDescription::setMaterialDisplayInfo(std::shared_ptr<shell::contract::MaterialDisplayInfo> info) {
    Panel::setMaterialDisplayInfo(info);
    m_infoChanged = {};
    m_supplierChanged = {};
    m_tradeNamesChanged = {};
    const auto display = std::dynamic_pointer_cast<MaterialDisplayInfo>(info);
    if (display == nullptr) {
        return;
    }
    m_infoChanged = display->InfoChanged.subscribe([this] { infoChanged(); });
    m_supplierChanged =
        display->SupplierChanged.subscribe([this](const std::string& text) { setRow(Supplier, text); });
    m_tradeNamesChanged =
        display->TradeNamesChanged.subscribe([this](const std::string& text) { setRow(Tradenames, text); });
}

QString uctlDescription::rowText(int row) const {
    return row >= 0 && row < RowCount ? m_texts[static_cast<std::size_t>(row)]->toPlainText() : QString();
}

QString uctlDescription::caption(int row) const {
    return row >= 0 && row < RowCount ? m_labels[static_cast<std::size_t>(row)]->text() : QString();
}

void uctlDescription::languageChanged() {
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

bool uctlDescription::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) {
        return Panel::eventFilter(watched, event);
    }
    if (qobject_cast<QLabel*>(watched) != nullptr) {
        if (watched == m_labels[Symbols]) {
            emit DisplayToolTip(
                DisplayTexts::text(dialogLanguage(), orvik::common::TextID::Bezeichnung_Status_Tooltip), 0);
        }
        // A label's movement stays with the label; the frame behind it would hide the tooltip.
        return true;
    }
    emit DisplayStatusBarText(QString());
    emit HideToolTip();
    return Panel::eventFilter(watched, event);
}

void uctlDescription::infoChanged() {
    for (auto* text : m_texts) {
        text->clear();
    }
    const auto display = std::dynamic_pointer_cast<MaterialDisplayInfo>(materialDisplayInfo());
    if (display == nullptr) {
        return;
    }
    const std::array<std::string, RowCount> texts{
        display->MaterialNumber(), display->Symbols(),   display->Tradenames(), display->Steelgroup(),
        display->Supplier(),       display->Standards(), display->Country()};
    for (int row = 0; row < RowCount; ++row) {
        setRow(row, texts[static_cast<std::size_t>(row)]);
    }
}

void uctlDescription::setRow(int row, const std::string& text) {
    m_texts[static_cast<std::size_t>(row)]->setPlainText(DisplayTexts::lines(text));
}

} // namespace display
