#pragma once

#include "DataSheetOutput.h"
#include "objects/ListItem.h"
#include "objects/Material.h"
#include "shell/contract/ShellDialogs.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPrinter;
class QPushButton;

namespace orvik::objects {
class PrintSteel;
}

namespace shell::dialogs {

class frmPrintPreview;
class frmPropertyPrintRange;

/// The print settings of the steel shown: which sections the data sheet holds, the product shape
/// whose suppliers it lists, the standards and properties of its property tables (through the
/// property print range dialog), and the font and size it is printed in; then its preview or its
/// printing. Each preview and print writes the print database anew from its template; a failed
/// writing shows the error window and nothing is previewed or printed. The sections, font and size
/// chosen are kept for the next opening. The main window makes one per opening, modal.
class frmPrintSettings : public QDialog {
    Q_OBJECT

public:
    using Items = orvik::objects::Material::ListItems_t;
    /// The check boxes by index, as the text database names them.
    enum Box {
        All = 0,
        Standards = 1,
        Steelgroup = 2,
        RangeOfApplication = 3,
        Composition = 4,
        Mechanical = 5,
        HeatTreatment = 6,
        Physical = 7,
        Comparison = 8,
        Suppliers = 9,
        Address = 10,
        Shapes = 11,
        Tradename = 12,
        Info = 13,
        Properties = 14,
        BoxCount = 15
    };

    /// `programFolder` holds Daten/print_org.mdb and Reports/Report.rpt.
    frmPrintSettings(const contract::DialogContext& context, std::string programFolder);
    ~frmPrintSettings() override;

    [[nodiscard]] QCheckBox& chkPrintoptions(int index) const {
        return *m_boxes[static_cast<std::size_t>(index)];
    }
    [[nodiscard]] QPushButton& cmdPropertyPrintRange(int index) const {
        return *m_ranges[static_cast<std::size_t>(index)];
    }
    [[nodiscard]] QComboBox& cboProductShape() const { return *m_shapes; }
    [[nodiscard]] QFontComboBox& cboFonts() const { return *m_fonts; }
    [[nodiscard]] QComboBox& cboFontSize() const { return *m_sizes; }
    /// The font the data sheet is printed in.
    [[nodiscard]] QFont chosenFont() const;
    [[nodiscard]] const Items& PrintItems(int list) const { return m_items[static_cast<std::size_t>(list)]; }
    [[nodiscard]] bool PrintAll(int list) const { return m_all[static_cast<std::size_t>(list)]; }

    /// How the modal windows it opens are shown; a test looks at them instead.
    std::function<void(frmPropertyPrintRange&)> showRange;
    std::function<void(frmPrintPreview&)> showPreview;
    /// What printing asks of the system and of the user.
    print::DataSheetOutput::Services printServices;

    void chkPrintoptions_Click(int index);
    void cmdPropertyPrintRange_Click(int index);
    /// 0 preview, 1 print.
    void cmdPrint_Click(int index);
    /// Fills `print` from the choices as the data sheet needs them.
    void fillPrintSteel(orvik::objects::PrintSteel& print);

    void done(int result) override;

private:
    void restore();
    void store() const;
    void updateStates();
    [[nodiscard]] bool on(Box box) const;
    [[nodiscard]] std::shared_ptr<platform::Dictionary<>> chosenList(int list, std::int32_t group);
    void showError(const QString& modul, const QString& procedure, std::int32_t number, const QString& text);
    /// The services printing uses, the window's own where the caller gave none; the preview prints
    /// with them too.
    [[nodiscard]] print::DataSheetOutput::Services outputServices() const;

    contract::DialogContext m_context;
    std::string m_programFolder;
    std::unique_ptr<QPrinter> m_ownPrinter;
    std::array<QCheckBox*, BoxCount> m_boxes{};
    std::array<QPushButton*, 4> m_ranges{};
    QComboBox* m_shapes;
    QFontComboBox* m_fonts;
    QComboBox* m_sizes;
    std::array<Items, 4> m_items;
    std::array<bool, 4> m_all{true, true, true, true};
};

} // namespace shell::dialogs
