#pragma once

#include "common/LanguageForm.h"

#include <memory>
#include <vector>

class QWidget;

namespace orvik::common::qt {

/// Twips per pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

/// A Qt window or panel seen by the text service as a form with named controls. A widget's or
/// action's objectName is its name; a member of a control array carries the dynamic property
/// `index` (an int); a toolbar button's key is its action's dynamic property `key`, else its
/// objectName. Objects without a name, and Qt's own parts (names beginning "qt_"), are not listed.
///
/// The controls are collected when the adapter is made; it does not own the widget and must not
/// outlive it.
class QtLanguageForm : public orvik::common::LanguageForm {
public:
    explicit QtLanguageForm(QWidget& form);
    ~QtLanguageForm() override;
    QtLanguageForm(const QtLanguageForm&) = delete;
    QtLanguageForm& operator=(const QtLanguageForm&) = delete;

    [[nodiscard]] std::string name() const override;
    [[nodiscard]] bool isWindow() const override;
    [[nodiscard]] std::string caption() const override;
    void setCaption(const std::string& caption) override;
    [[nodiscard]] std::int32_t width() const override;
    [[nodiscard]] std::vector<orvik::common::FormControl*> controls() const override;

private:
    QWidget& m_form;
    std::vector<std::unique_ptr<orvik::common::FormControl>> m_controls;
};

} // namespace orvik::common::qt
