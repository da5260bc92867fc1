#pragma once

#include <QMetaType>
#include <QString>

namespace shell::contract {

/// The steel a result list hands to the main window when the user chooses a row: the three ids the
/// object model needs to load it, and the designation and its kind ("W", "K" or "F") as shown. An
/// empty SteelId or DesignationId, or one that is "0", means no steel.
struct ActivatedMaterial {
    QString SteelId;
    QString DesignationId;
    QString DesignationCountryId;
    QString Designation;
    QString DesignationType;

    /// True when both ids name a steel.
    [[nodiscard]] bool isSteel() const {
        const auto names = [](const QString& id) {
            return !id.trimmed().isEmpty() && id.trimmed() != u"0";
        };
        return names(SteelId) && names(DesignationId);
    }
    friend bool operator==(const ActivatedMaterial&, const ActivatedMaterial&) = default;
};

} // namespace shell::contract

Q_DECLARE_METATYPE(shell::contract::ActivatedMaterial)
