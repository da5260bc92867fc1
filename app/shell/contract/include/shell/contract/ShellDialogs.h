#pragma once

#include "shell/contract/WindowServices.h"

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace orvik::objects {
class Application;
class Material;
} // namespace orvik::objects

namespace shell::contract {

class DialogLanguage;

/// What a dialog of the main window is given. The main window owns all of it; the pointers stay valid
/// while the dialog is shown. `material` is nullptr when no steel is current.
struct DialogContext {
    QWidget* parent = nullptr;
    DialogLanguage* language = nullptr;
    WindowServices services;
    std::shared_ptr<orvik::objects::Application> application;
    std::shared_ptr<orvik::objects::Material> material;
    /// The program's own printer choice (the system's default printer is never changed).
    QPrinter* printer = nullptr;
};

/// The main window's dialogs, each shown modally and closed when the call returns. The program's
/// dialogs implement it, and a test fakes it.
class ShellDialogs {
public:
    /// What the user changed in the options dialog, for the main window to follow.
    struct OptionsOutcome {
        /// The database folder changed: connect again, without a restart.
        bool databasePathChanged = false;
        /// Suppressing the national EN designations was switched: reload the material list.
        bool enSuppressChanged = false;
        /// The way elements are entered changed: the composition panels follow.
        bool elementInputVariantChanged = false;
    };

    virtual ~ShellDialogs() = default;
    virtual OptionsOutcome showOptions(const DialogContext& context) = 0;
    virtual void showAbout(const DialogContext& context) = 0;
    virtual void showNewEditionNotice(const DialogContext& context) = 0;
    /// The supplier export of the current steel into `file` (chosen by the main window).
    virtual void showSupplierExport(const DialogContext& context, const QString& file) = 0;
    /// The print settings of the current steel, then its data sheet in the print preview.
    virtual void showPrintSettings(const DialogContext& context) = 0;
};

} // namespace shell::contract
