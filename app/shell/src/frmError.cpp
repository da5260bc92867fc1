#include "frmError.h"

#include "ErrorReport.h"
#include "common/DataFolder.h"
#include "common/ProgrammSettings.h"
#include "shell/contract/FileDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace {

QString saveCaption(std::int32_t language) {
    switch (language) {
    case 0:
        return QStringLiteral("&Speichern");
    case 1:
        return QStringLiteral("&Mémoriser");
    default:
        return QStringLiteral("&Save");
    }
}

QString notSavedText(std::int32_t language, const QString& file, const QString& reason) {
    switch (language) {
    case 0:
        return QStringLiteral("Der Fehlerbericht konnte nicht gespeichert werden:\n%1\n\n%2")
            .arg(file, reason);
    case 1:
        return QStringLiteral("Le rapport d'erreur n'a pas pu être mémorisé :\n%1\n\n%2").arg(file, reason);
    default:
        return QStringLiteral("The error report could not be saved:\n%1\n\n%2").arg(file, reason);
    }
}

} // namespace

frmError::frmError(std::int32_t language, contract::FileDialogs* fileDialogs, MessageBoxes* messages,
                   Versions versions, QWidget* parent)
    : QDialog(parent), m_language(language), m_fileDialogs(fileDialogs), m_messages(messages),
      m_versions(std::move(versions)) {
    setObjectName(QStringLiteral("frmError"));
    setWindowTitle(QStringLiteral("Graukant 2007 - Error"));
    auto* grid = new QGridLayout;
    const std::array<QString, 4> captions{QStringLiteral("Modul"), QStringLiteral("Procedur"),
                                          QStringLiteral("Number"), QStringLiteral("Description")};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(captions[static_cast<std::size_t>(i)], this);
        label->setObjectName(QStringLiteral("Label1"));
        label->setProperty("index", i);
        grid->addWidget(label, i, 0, i == 3 ? Qt::AlignTop : Qt::Alignment());
    }
    for (int i = 0; i < 3; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("txtError"));
        field->setProperty("index", i);
        field->setReadOnly(true);
        field->setMinimumWidth(420);
        grid->addWidget(field, i, 1);
        m_fields[static_cast<std::size_t>(i)] = field;
    }
    // A description names files and what to do: several wrapped lines, so none scrolls out of view.
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("txtError"));
    m_description->setProperty("index", 3);
    m_description->setReadOnly(true);
    m_description->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_description->setMinimumWidth(420);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 5 + 12);
    grid->addWidget(m_description, 3, 1);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto* save = new QPushButton(saveCaption(language), this);
    save->setObjectName(QStringLiteral("cmdSpeichern"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(save, &QPushButton::clicked, this, &frmError::saveReport);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmError::setModul(const QString& modul) {
    m_fields[0]->setText(modul);
}

void frmError::setProdedure(const QString& procedure) {
    m_fields[1]->setText(procedure);
}

void frmError::setNumber(std::int32_t number) {
    m_fields[2]->setText(QString::number(number));
}

void frmError::setDescription(const QString& description) {
    m_description->setPlainText(description);
}

QString frmError::field(int index) const {
    return index == 3 ? m_description->toPlainText() : m_fields.at(static_cast<std::size_t>(index))->text();
}

void frmError::saveReport() {
    if (m_fileDialogs == nullptr) {
        return;
    }
    // The program folder may be installed read-only: the dialog starts where the program writes.
    const QString start = QString::fromStdString(
        orvik::common::DataFolder::WritableRoot(orvik::common::ProgrammSettings().ApplicationPath()));
    const QString file = m_fileDialogs->saveFileName(this, QStringLiteral("Save Error"), start,
                                                     QStringLiteral("Error (*.txt)"), QStringLiteral("txt"));
    if (file.isEmpty()) {
        return;
    }
    ErrorReport report;
    if (m_versions) {
        std::tie(report.objectsVersion, report.serviceVersion) = m_versions();
    }
    report.modul = field(0);
    report.procedure = field(1);
    report.number = field(2);
    report.description = field(3);
    const QString failure = report.save(file);
    if (!failure.isEmpty() && m_messages != nullptr) {
        m_messages->show(this, notSavedText(m_language, file, failure), windowTitle(),
                         MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
    }
}

} // namespace shell
