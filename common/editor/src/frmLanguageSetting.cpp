#include "common/editor/frmLanguageSetting.h"

#include "common/editor/LanguageEditorData.h"
#include "common/editor/WindowHelper.h"
#include "common/editor/frmBigEdit.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

namespace orvik::common::editor {

namespace {

constexpr const char* ControlsTable = "tab_control";
constexpr const char* TextsTable = "tab_text";
constexpr const char* OpenedMark = "TRUE";
constexpr const char* ErrorTitle = "ERROR";

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(q(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

std::string languageColumn(std::int32_t language) {
    switch (language) {
    case 1:
        return "france";
    case 2:
        return "english";
    case 3:
        return "selfdefine";
    default:
        return "german";
    }
}

QString errorText(const std::string& description, std::int32_t number, const std::string& source) {
    return QStringLiteral("Error Description: \t") + q(description) + QStringLiteral("\nError Number: \t") +
           QString::number(number) + QStringLiteral("\nError Source: \t") + q(source) + QStringLiteral("\n");
}

frmLanguageSetting::frmLanguageSetting(LanguageEditorData& texts, platform::qt::MessageBoxes& messages,
                                       QWidget* parent)
    : QDialog(parent), m_data(texts), m_messages(messages), m_flx(new QTableWidget(0, ColumnCount, this)),
      m_cmdUebernehmen(new QPushButton(QStringLiteral("&Übernehmen"), this)),
      m_cmdAbbrechen(new QPushButton(QStringLiteral("&Abbrechen"), this)) {
    setObjectName(QStringLiteral("frmLanguageSetting"));
    setWindowTitle(QStringLiteral("Selbstdefinierte Sprache"));
    setModal(true);
    m_flx->setObjectName(QStringLiteral("flx"));
    m_cmdUebernehmen->setObjectName(QStringLiteral("cmdUebernehmen"));
    m_cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));

    m_flx->setHorizontalHeaderLabels({QStringLiteral("Standardtext"),
                                      QStringLiteral("Selbstdefinierter Text"), QString(), QString(),
                                      QString(), QString(), QString()});
    m_flx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_flx->setSelectionMode(QAbstractItemView::SingleSelection);
    m_flx->verticalHeader()->hide();
    m_flx->setWordWrap(false);
    for (int column = Form; column < ColumnCount; ++column) {
        m_flx->setColumnHidden(column, true);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_flx);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdUebernehmen);
    buttons->addWidget(m_cmdAbbrechen);
    layout->addLayout(buttons);

    // A click or Enter enters a cell; where a single click already activates, once only.
    if (!m_flx->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, m_flx)) {
        connect(m_flx, &QTableWidget::cellClicked, this, &frmLanguageSetting::enterCell);
    }
    connect(m_flx, &QTableWidget::cellActivated, this, &frmLanguageSetting::enterCell);
    connect(m_cmdUebernehmen, &QPushButton::clicked, this, [this] { static_cast<void>(save()); });
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
}

frmLanguageSetting::~frmLanguageSetting() {
    closeData();
}

void frmLanguageSetting::setDbPath(const std::string& folder) {
    m_dbPath = folder;
    if (!m_dbPath.empty() && m_dbPath.back() != '/') {
        m_dbPath += '/';
    }
}

void frmLanguageSetting::init_dlg() {
    m_flx->setRowCount(0);
    m_flx->setCurrentCell(-1, -1);
    layOutColumns();
    try {
        m_data.open(m_dbPath + m_dbName);
        m_open = true;
        m_data.load(languageColumn(m_language), [this](const LanguageEditorRow& row) { addRow(row); });
    } catch (const platform::CallError& e) {
        m_messages.show(this, errorText(e.description(), e.number(), e.source()),
                        QString::fromLatin1(ErrorTitle), platform::qt::MessageBoxes::Icon::Critical,
                        platform::qt::MessageBoxes::Buttons::Ok);
    } catch (const std::exception& e) {
        m_messages.show(this, errorText(e.what(), 0, "editor"), QString::fromLatin1(ErrorTitle),
                        platform::qt::MessageBoxes::Icon::Critical, platform::qt::MessageBoxes::Buttons::Ok);
    }
    WindowHelper::Center_Form(this);
}

void frmLanguageSetting::addRow(const LanguageEditorRow& row) {
    const int r = m_flx->rowCount();
    m_flx->insertRow(r);
    const bool isText = row.table == LanguageEditorRow::Table::Texts;
    m_flx->setItem(r, Shown, cell(row.shown));
    m_flx->setItem(r, SelfDefine, cell(row.selfdefine));
    m_flx->setItem(r, Form, cell(row.key1));
    m_flx->setItem(r, Control, cell(row.key2));
    m_flx->setItem(r, Width, cell(isText ? std::string("0") : row.width));
    m_flx->setItem(r, Table, cell(isText ? TextsTable : ControlsTable));
    m_flx->setItem(r, Opened, cell(std::string()));
}

LanguageEditorRow frmLanguageSetting::rowAt(int row) const {
    const auto text = [&](int column) {
        return m_flx->item(row, column)->text().toStdString();
    };
    LanguageEditorRow result;
    result.table =
        text(Table) == TextsTable ? LanguageEditorRow::Table::Texts : LanguageEditorRow::Table::Controls;
    result.shown = text(Shown);
    result.selfdefine = text(SelfDefine);
    result.key1 = text(Form);
    result.key2 = text(Control);
    result.width = text(Width);
    return result;
}

void frmLanguageSetting::enterCell(int row, int column) {
    if (row < 0 || row >= m_flx->rowCount() || column < 0) {
        return;
    }
    if (column == Shown) {
        m_flx->setCurrentCell(row, SelfDefine);
        column = SelfDefine;
    }
    m_flx->item(row, Opened)->setText(QString::fromLatin1(OpenedMark));
    if (m_bigEdit == nullptr) {
        return;
    }
    m_bigEdit->setStandardText(m_flx->item(row, Shown)->text());
    m_bigEdit->setSelfDefineText(m_flx->item(row, column)->text());
    m_bigEdit->exec();
    if (m_bigEdit->Take()) {
        m_flx->item(row, column)->setText(m_bigEdit->SelfDefineText());
    }
}

bool frmLanguageSetting::storeWithRetry(const LanguageEditorRow& row, bool& abort) {
    for (;;) {
        try {
            static_cast<void>(m_data.store(row));
            return true;
        } catch (const platform::CallError& e) {
            const auto answer =
                m_messages.show(this, errorText(e.description(), e.number(), e.source()),
                                QString::fromLatin1(ErrorTitle), platform::qt::MessageBoxes::Icon::Critical,
                                platform::qt::MessageBoxes::Buttons::AbortRetryIgnore);
            if (answer == platform::qt::MessageBoxes::Answer::Retry) {
                continue;
            }
            abort = answer != platform::qt::MessageBoxes::Answer::Ignore;
            return false;
        }
    }
}

bool frmLanguageSetting::save() {
    if (!m_open) {
        return false;
    }
    bool abort = false;
    try {
        m_data.beginSave();
        for (int r = 0; r < m_flx->rowCount() && !abort; ++r) {
            if (m_flx->item(r, Opened)->text() == QLatin1String(OpenedMark)) {
                static_cast<void>(storeWithRetry(rowAt(r), abort));
            }
        }
        if (abort) {
            // Nothing of this save is kept, and the window stays open with the user's texts.
            m_data.rollbackSave();
            return false;
        }
        m_data.commitSave();
    } catch (const platform::CallError& e) {
        m_data.rollbackSave();
        m_messages.show(this, errorText(e.description(), e.number(), e.source()),
                        QString::fromLatin1(ErrorTitle), platform::qt::MessageBoxes::Icon::Critical,
                        platform::qt::MessageBoxes::Buttons::Ok);
        return false;
    }
    accept();
    return true;
}

void frmLanguageSetting::layOutColumns() {
    // Each visible column is half the grid less 180 twips (12 pixels).
    const int half = std::max(40, (m_flx->viewport()->width() - 12) / 2);
    m_flx->setColumnWidth(Shown, half);
    m_flx->setColumnWidth(SelfDefine, half);
}

void frmLanguageSetting::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOutColumns();
}

void frmLanguageSetting::closeData() noexcept {
    if (m_open) {
        m_open = false;
        m_data.close();
    }
}

} // namespace orvik::common::editor
