#include "common/editor/frmLanguageSetting.h"

#include "common/TextSource.h"
#include "common/editor/LanguageEditorData.h"
#include "common/editor/LanguageEditorModel.h"
#include "common/editor/LanguageEditorSaver.h"
#include "common/editor/WindowHelper.h"
#include "common/editor/frmBigEdit.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <exception>

namespace orvik::common::editor {

namespace {

constexpr const char* ErrorTitle = "ERROR";

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

LanguageEditorSaver::OnFailure onFailure(platform::qt::MessageBoxes::Answer answer) {
    switch (answer) {
    case platform::qt::MessageBoxes::Answer::Retry:
        return LanguageEditorSaver::OnFailure::Retry;
    case platform::qt::MessageBoxes::Answer::Ignore:
        return LanguageEditorSaver::OnFailure::Ignore;
    default:
        return LanguageEditorSaver::OnFailure::Abort;
    }
}

} // namespace

QString errorText(const std::string& description, std::int32_t number, const std::string& source) {
    return QStringLiteral("Error Description: \t") + q(description) + QStringLiteral("\nError Number: \t") +
           QString::number(number) + QStringLiteral("\nError Source: \t") + q(source) + QStringLiteral("\n");
}

frmLanguageSetting::frmLanguageSetting(LanguageEditorData& texts, platform::qt::MessageBoxes& messages,
                                       QWidget* parent)
    : QDialog(parent), m_data(texts), m_messages(messages), m_rows(new LanguageEditorModel(this)),
      m_flx(new QTableView(this)), m_cmdUebernehmen(new QPushButton(QStringLiteral("&Übernehmen"), this)),
      m_cmdAbbrechen(new QPushButton(QStringLiteral("&Abbrechen"), this)) {
    setObjectName(QStringLiteral("frmLanguageSetting"));
    setWindowTitle(QStringLiteral("Selbstdefinierte Sprache"));
    setModal(true);
    m_flx->setObjectName(QStringLiteral("flx"));
    m_cmdUebernehmen->setObjectName(QStringLiteral("cmdUebernehmen"));
    m_cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));

    m_flx->setModel(m_rows);
    m_flx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_flx->setSelectionMode(QAbstractItemView::SingleSelection);
    m_flx->verticalHeader()->hide();
    m_flx->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_flx);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdUebernehmen);
    buttons->addWidget(m_cmdAbbrechen);
    layout->addLayout(buttons);

    // A click or Enter enters a cell; where a single click already activates, once only.
    const auto enter = [this](const QModelIndex& index) {
        enterCell(index.row(), index.column());
    };
    if (!m_flx->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, m_flx)) {
        connect(m_flx, &QTableView::clicked, this, enter);
    }
    connect(m_flx, &QTableView::activated, this, enter);
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
    m_rows->clear();
    m_flx->setCurrentIndex({});
    layOutColumns();
    try {
        m_data.open(m_dbPath + m_dbName);
        m_open = true;
        m_data.load(std::string(orvik::common::languageTextColumn(m_language)),
                    [this](const LanguageEditorRow& row) { m_rows->append(row); });
    } catch (const platform::CallError& e) {
        showFailure(e);
    } catch (const std::exception& e) {
        m_messages.show(this, errorText(e.what(), 0, "editor"), QString::fromLatin1(ErrorTitle),
                        platform::qt::MessageBoxes::Icon::Critical, platform::qt::MessageBoxes::Buttons::Ok);
    }
    WindowHelper::Center_Form(this);
}

void frmLanguageSetting::showFailure(const platform::CallError& error) {
    m_messages.show(this, errorText(error.description(), error.number(), error.source()),
                    QString::fromLatin1(ErrorTitle), platform::qt::MessageBoxes::Icon::Critical,
                    platform::qt::MessageBoxes::Buttons::Ok);
}

void frmLanguageSetting::enterCell(int row, int column) {
    if (row < 0 || row >= m_rows->rowCount() || column < 0) {
        return;
    }
    if (column == LanguageEditorModel::Shown) {
        column = LanguageEditorModel::SelfDefine;
    }
    m_flx->setCurrentIndex(m_rows->index(row, column));
    m_rows->markOpened(row);
    if (m_bigEdit == nullptr) {
        return;
    }
    m_bigEdit->setStandardText(q(m_rows->row(row).shown));
    m_bigEdit->setSelfDefineText(q(m_rows->row(row).selfdefine));
    m_bigEdit->exec();
    if (m_bigEdit->Take()) {
        m_rows->setSelfDefine(row, m_bigEdit->SelfDefineText());
    }
}

bool frmLanguageSetting::save() {
    if (!m_open) {
        return false;
    }
    const auto choose = [this](const platform::CallError& e) {
        return onFailure(m_messages.show(this, errorText(e.description(), e.number(), e.source()),
                                         QString::fromLatin1(ErrorTitle),
                                         platform::qt::MessageBoxes::Icon::Critical,
                                         platform::qt::MessageBoxes::Buttons::AbortRetryIgnore));
    };
    try {
        if (!LanguageEditorSaver(m_data).save(m_rows->openedRows(), choose)) {
            // Nothing of this save is kept, and the window stays open with the user's texts.
            return false;
        }
    } catch (const platform::CallError& e) {
        showFailure(e);
        return false;
    }
    accept();
    return true;
}

void frmLanguageSetting::layOutColumns() {
    // Each visible column is half the grid less 180 twips (12 pixels).
    const int half = std::max(40, (m_flx->viewport()->width() - 12) / 2);
    m_flx->setColumnWidth(LanguageEditorModel::Shown, half);
    m_flx->setColumnWidth(LanguageEditorModel::SelfDefine, half);
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
