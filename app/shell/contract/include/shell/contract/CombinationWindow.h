#pragma once

#include "shell/contract/ActivatedMaterial.h"
#include "shell/contract/WindowServices.h"

#include <QWidget>
#include <memory>

namespace orvik::objects {
class Application;
class CombinationResultBuilder;
} // namespace orvik::objects

namespace shell::contract {

class DialogLanguage;

/// The window that combines the search results, as the main window drives it: made once at start-up
/// and kept hidden, given the shared objects, shown by Shift+Ctrl+S, closed for good at shutdown. A
/// designation the user chooses in it comes back as MaterialSelected; the main window highlights it in
/// the searches that take part in the combination. The program's window derives from it; by itself it
/// is an empty window, for tests of the main window without the combination.
class CombinationWindow : public QWidget {
    Q_OBJECT

public:
    explicit CombinationWindow(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {
        setObjectName(QStringLiteral("frmErgebniskombination"));
    }

    virtual void setApplication(std::shared_ptr<orvik::objects::Application> application) {
        (void)application;
    }
    virtual void
    setCombinationResultBuilder(std::shared_ptr<orvik::objects::CombinationResultBuilder> builder) {
        (void)builder;
    }
    virtual void setDialogLanguage(DialogLanguage* relay) { (void)relay; }
    virtual void setServices(const WindowServices& services) { (void)services; }
    /// Closes the window for good.
    virtual void CloseDialog() { close(); }

signals:
    void MaterialSelected(const shell::contract::ActivatedMaterial& material);
};

} // namespace shell::contract
