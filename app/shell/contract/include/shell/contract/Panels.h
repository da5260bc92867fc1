#pragma once

#include "shell/contract/Panel.h"

namespace shell::contract {

// The members the main window calls on particular pages, beyond the common contract of Panel. Each
// class is the empty frame of its page as it stands; the real panel derives from it and overrides.

/// `uctlSelection`: the designation search with its filters and the material list.
class SelectionPanel : public Panel {
    Q_OBJECT

public:
    explicit SelectionPanel(QWidget* parent = nullptr) : Panel(QStringLiteral("uctlSelection"), {}, parent) {}

    /// First load after the shared objects were handed over.
    virtual void Init() {}
    /// Rows in the material list.
    [[nodiscard]] virtual int Count() const { return 0; }
    [[nodiscard]] virtual bool IsFilter() const { return false; }
    [[nodiscard]] virtual int FilterCount() const { return 0; }
    virtual void ClearMaterialList() {}
    /// Runs the last search again (after an option changed what it lists).
    virtual void ReloadMaterialList() {}
};

/// `uctlCompositionSearch` and `uctlAdvancedCompositionSearch`: two instances of one panel type.
class CompositionSearchPanel : public Panel {
    Q_OBJECT

public:
    explicit CompositionSearchPanel(const QString& controlName, QWidget* parent = nullptr)
        : Panel(controlName, QStringLiteral("uctlCompositionSearch"), parent) {}

    virtual void setIsAdvanced(bool advanced) { m_advanced = advanced; }
    [[nodiscard]] bool IsAdvanced() const noexcept { return m_advanced; }
    virtual void ResetControl() {}
    /// The way elements are entered changed in the options.
    virtual void ChangeElementEntry() {}
    /// Loads an analysis file; with an empty name the panel asks for one.
    virtual void LoadComposition(const QString& file = {}) { Q_UNUSED(file) }
    virtual void SaveComposition() {}

private:
    bool m_advanced = false;
};

/// `uctlPropertySearch`.
class PropertySearchPanel : public Panel {
    Q_OBJECT

public:
    explicit PropertySearchPanel(QWidget* parent = nullptr)
        : Panel(QStringLiteral("uctlPropertySearch"), {}, parent) {}

    virtual void InitGrids() {}
    virtual void Init() {}
    virtual void InitFields() {}
    virtual void ManualResize() {}
};

/// `uctlPropertiesView`: pages 6 to 8 show it with different property types.
class PropertiesViewPanel : public Panel {
    Q_OBJECT

public:
    explicit PropertiesViewPanel(QWidget* parent = nullptr)
        : Panel(QStringLiteral("uctlPropertiesView"), {}, parent) {}

    virtual void SetHelpContextId(int contextId) { Q_UNUSED(contextId) }
    /// 0 mechanical, 1 physical, 2 heat treatment.
    virtual void setTitle(int title) { Q_UNUSED(title) }
    /// Values of PropertyTypes (0 none).
    virtual void setFirstPropertyType(int type) { Q_UNUSED(type) }
    virtual void setSecondPropertyType(int type) { Q_UNUSED(type) }
};

/// `uctlSupplier`.
class SupplierPanel : public Panel {
    Q_OBJECT

public:
    explicit SupplierPanel(QWidget* parent = nullptr) : Panel(QStringLiteral("uctlSupplier"), {}, parent) {}

    virtual void ShowSupplierInfo() {}
};

/// `uctlInfo`: the descriptive text of the steel.
class InfoPanel : public Panel {
    Q_OBJECT

public:
    explicit InfoPanel(QWidget* parent = nullptr) : Panel(QStringLiteral("uctlInfo"), {}, parent) {}

    virtual void setText(const QString& text) { m_text = text; }
    [[nodiscard]] const QString& text() const noexcept { return m_text; }

private:
    QString m_text;
};

} // namespace shell::contract
