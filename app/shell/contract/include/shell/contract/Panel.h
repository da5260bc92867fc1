#pragma once

#include "shell/contract/ActivatedMaterial.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/WindowServices.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace orvik::objects {
class Application;
class CombinationResultBuilder;
class List;
class Material;
} // namespace orvik::objects

namespace shell::contract {

class MaterialDisplayInfo;

/// A page of the main window (a user control): the members the main window sets or reads on every
/// panel, and the notifications a panel raises upward as Qt signals. Every virtual member has a
/// do-nothing default, so that this class itself is the empty frame that stands in for a panel not
/// built yet; a real panel overrides what it offers.
///
/// The objectName is the panel's control name in the main window (`uctlSelection`, ...);
/// UserControlName is the panel's own name, under which the text service finds its captions (for two
/// instances of one panel type, the type's name). The panel's child controls carry the control names
/// of the text database as objectName.
///
/// The main window hands the shared objects over before it calls Init or Show; the setters store them
/// (the getters below give them back) and may be overridden to react. Material may be nullptr: "no
/// steel" (the toolbar's NEW hands that to every panel). The panel keeps the DialogLanguage and the
/// services as plain pointers; the main window owns both and outlives its panels.
///
/// Signals are connected directly: the main window has handled a notification when emit returns.
/// DisplayToolTip's `top` is in twips, from the panel's top edge.
class Panel : public QWidget {
    Q_OBJECT

public:
    /// `controlName` becomes the objectName; `userControlName` defaults to it.
    explicit Panel(const QString& controlName, const QString& userControlName = {},
                   QWidget* parent = nullptr);

    [[nodiscard]] const QString& UserControlName() const noexcept { return m_userControlName; }
    /// The text of the right-hand status panel when the page was opened.
    virtual void setStatusBarText(const QString& text) { m_statusBarText = text; }
    [[nodiscard]] const QString& statusBarText() const noexcept { return m_statusBarText; }
    /// Subscribes languageAboutToChange and languageChanged to the relay (and unsubscribes from the
    /// previous one).
    void setDialogLanguage(DialogLanguage* relay);
    [[nodiscard]] DialogLanguage* dialogLanguage() const noexcept { return m_dialogLanguage; }
    void setServices(const WindowServices& services) { m_services = services; }
    [[nodiscard]] const WindowServices& services() const noexcept { return m_services; }
    /// Sets the captions of the panel's named controls from the relay's text service, under
    /// UserControlName (nothing without a relay or text service). Usually called from languageChanged.
    void adjustCaptions();
    /// The panel's child widgets, walked by the text service and the font scaling.
    [[nodiscard]] QList<QWidget*> Controls() const;

    virtual void setApplication(std::shared_ptr<orvik::objects::Application> application);
    virtual void setList(std::shared_ptr<orvik::objects::List> list);
    virtual void
    setCombinationResultBuilder(std::shared_ptr<orvik::objects::CombinationResultBuilder> builder);
    virtual void setMaterialDisplayInfo(std::shared_ptr<MaterialDisplayInfo> info);
    virtual void setMaterial(std::shared_ptr<orvik::objects::Material> material);

    /// Loads the page's content for the current steel (or the current lists).
    virtual void Show() {}
    /// Empties the page.
    virtual void Clear() {}
    /// Runs the page's search (toolbar FIND).
    virtual void Search() {}
    /// Highlights the designation occurrence in the page's result list (the result combination window).
    virtual void SelectDesignation(const QString& idDesignationCountry) { Q_UNUSED(idDesignationCountry) }
    /// The keyboard's shift state (Qt::KeyboardModifiers as int) after a key went down or up.
    virtual void setShift(int shift) { Q_UNUSED(shift) }

signals:
    void HideToolTip();
    void DisplayToolTip(const QString& text, int top);
    void DisplayStatusBarText(const QString& text);
    void MaterialSelected(const shell::contract::ActivatedMaterial& material);
    void InitializeStep();
    void UnableToLoadStandardComparisonFromDisk(const QString& file);

protected:
    /// Before a language switch: save what depends on the old language.
    virtual void languageAboutToChange() {}
    /// After a language switch, and once at start-up: reload the captions.
    virtual void languageChanged() {}

    [[nodiscard]] const std::shared_ptr<orvik::objects::Application>& application() const noexcept {
        return m_application;
    }
    [[nodiscard]] const std::shared_ptr<orvik::objects::List>& list() const noexcept { return m_list; }
    [[nodiscard]] const std::shared_ptr<orvik::objects::CombinationResultBuilder>&
    combinationResultBuilder() const noexcept {
        return m_builder;
    }
    [[nodiscard]] const std::shared_ptr<MaterialDisplayInfo>& materialDisplayInfo() const noexcept {
        return m_displayInfo;
    }
    [[nodiscard]] const std::shared_ptr<orvik::objects::Material>& material() const noexcept {
        return m_material;
    }

private:
    QString m_userControlName;
    QString m_statusBarText;
    QPointer<DialogLanguage> m_dialogLanguage;
    QMetaObject::Connection m_beforeChange;
    QMetaObject::Connection m_afterChange;
    WindowServices m_services;
    std::shared_ptr<orvik::objects::Application> m_application;
    std::shared_ptr<orvik::objects::List> m_list;
    std::shared_ptr<orvik::objects::CombinationResultBuilder> m_builder;
    std::shared_ptr<MaterialDisplayInfo> m_displayInfo;
    std::shared_ptr<orvik::objects::Material> m_material;
};

} // namespace shell::contract
