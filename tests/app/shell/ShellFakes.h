#pragma once

// The services the shell talks to the user through, faked: the message boxes, file dialogs and error
// window the window tests share, the shell's own help and dialogs; and a program folder over the built
// sample databases, shared by the shell's tests.
#include "QtPlatform.h"
#include "WindowFakes.h"
#include "frmMain.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/FileDialogs.h"
#include "shell/contract/HelpViewer.h"
#include "shell/contract/ShellDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <vector>

namespace shelltest {

using apptest::FakeErrorWindow;
using apptest::FakeFileDialogs;
using apptest::FakeMessageBoxes;

class FakeHelp final : public shell::contract::HelpViewer {
public:
    void showHelp(int contextId) override { shown.push_back(contextId); }
    std::vector<int> shown;
};

class FakeDialogs final : public shell::contract::ShellDialogs {
public:
    OptionsOutcome showOptions(const shell::contract::DialogContext&) override {
        ++options;
        return onOptions ? onOptions() : OptionsOutcome{};
    }
    void showAbout(const shell::contract::DialogContext&) override { ++about; }
    void showNewEditionNotice(const shell::contract::DialogContext&) override { ++notices; }
    void showSupplierExport(const shell::contract::DialogContext&, const QString& file) override {
        exports.push_back(file);
    }
    void showPrintSettings(const shell::contract::DialogContext&) override { ++prints; }
    std::function<OptionsOutcome()> onOptions;
    int options = 0;
    int about = 0;
    int notices = 0;
    int prints = 0;
    std::vector<QString> exports;
};

/// A program folder of its own in a temporary folder: the text database, the workgroup file, the
/// report and the help pages of the build, an INI file whose DBPath names the built sample databases,
/// and per-user folders of its own (XDG_CONFIG_HOME, XDG_DATA_HOME), so that no test touches the user's.
class ProgramFolder {
public:
    enum class Ini { WithDatabase, WithoutDatabase, Missing };

    /// `global` adds keys of the section Global; `starts` is the start counter so far.
    explicit ProgramFolder(Ini ini = Ini::WithDatabase, const QString& global = {}, int starts = 5) {
        const QDir bin(QStringLiteral(GK_BIN_DIR));
        const QDir root(m_dir.path());
        root.mkpath(QStringLiteral("program/Daten"));
        root.mkpath(QStringLiteral("program/Reports"));
        root.mkpath(QStringLiteral("config"));
        root.mkpath(QStringLiteral("data"));
        for (const char* file :
             {"Daten/Language.mdb", "Daten/print_org.mdb", "GK2007.LG", "Reports/Report.rpt",
              "velmo2007_german.html", "velmo2007_english.html", "velmo2007_french.html"}) {
            QFile::copy(bin.filePath(QLatin1String(file)),
                        root.filePath(QStringLiteral("program/") + QLatin1String(file)));
        }
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
        if (ini == Ini::Missing) {
            return;
        }
        QFile file(root.filePath(QStringLiteral("program/velmo2007.ini")));
        file.open(QIODevice::WriteOnly);
        QString text = QStringLiteral("[Global]\nLanguage=0\n") + global;
        if (ini == Ini::WithDatabase) {
            const QString databases = bin.filePath(QStringLiteral("Datenbank")) + QLatin1Char('/');
            text += QStringLiteral("DBPath=%1\nFilterDbPath=%1\n").arg(databases);
        }
        text += QStringLiteral("[AppStart]\nCount=%1\n").arg(starts);
        file.write(text.toUtf8());
    }

    [[nodiscard]] std::filesystem::path program() const {
        return std::filesystem::path(m_dir.path().toStdString()) / "program";
    }
    [[nodiscard]] QString databases() const {
        return QDir(QStringLiteral(GK_BIN_DIR)).filePath(QStringLiteral("Datenbank"));
    }

private:
    QTemporaryDir m_dir;
};

/// The fakes together, as the main window takes them.
struct Services {
    /// The shell's questions are answered Yes unless a test queues other answers.
    FakeMessageBoxes messageBoxes{FakeMessageBoxes::Answer::Yes};
    FakeFileDialogs fileDialogs;
    FakeErrorWindow errorWindow;
    FakeHelp help;
    FakeDialogs dialogs;

    [[nodiscard]] shell::frmMain::Services services() {
        return {&messageBoxes, &fileDialogs, &errorWindow, &help, &dialogs};
    }
};

} // namespace shelltest
