#pragma once

// Stand-ins for the user at the program's message boxes, file dialogs and error window: they answer
// from what the test set and keep what they were shown.

#include "FakeMessageBoxes.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/FileDialogs.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace apptest {

class FakeFileDialogs : public shell::contract::FileDialogs {
public:
    struct Asked {
        QString title;
        QString filter;
        QString suffix;
        /// The folder the dialog opened in.
        QString folder;
    };
    QString saveFileName(QWidget*, const QString& title, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override {
        asked.push_back({title, filter, defaultSuffix, folder});
        return answer;
    }
    QString openFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter) override {
        asked.push_back({title, filter, {}, folder});
        return answer;
    }
    QString folder(QWidget*, const QString& title, const QString& start) override {
        asked.push_back({title, {}, {}, start});
        return answer;
    }
    /// The titles of the dialogs asked, in order.
    [[nodiscard]] std::vector<QString> titles() const {
        std::vector<QString> all;
        for (const Asked& a : asked) {
            all.push_back(a.title);
        }
        return all;
    }
    /// What every dialog returns; empty for a cancelled one.
    QString answer;
    std::vector<Asked> asked;
};

class FakeErrorWindow : public shell::contract::ErrorWindow {
public:
    struct Shown {
        QString modul;
        QString procedure;
        std::int32_t number;
        QString description;
    };
    void ShowErrorForm(QWidget*, const QString& modul, const QString& procedure, std::int32_t number,
                       const QString& description) override {
        shown.push_back({modul, procedure, number, description});
    }
    /// Every error shown as "modul/procedure/number: description", in order.
    [[nodiscard]] QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown) {
            all << QStringLiteral("%1/%2/%3: %4").arg(s.modul, s.procedure).arg(s.number).arg(s.description);
        }
        return all;
    }
    std::vector<Shown> shown;
};

} // namespace apptest
