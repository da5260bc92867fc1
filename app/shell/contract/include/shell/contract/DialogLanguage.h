#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

namespace orvik::common {
class cls_Language;
}

namespace shell::contract {

/// The language relay of a run: the main window makes one, hands it to every window and panel, and
/// switches the language through it. A switch runs ExecBeforeLanguageChange (views save what depends
/// on the old language), then the new language is stored, then ExecAfterLanguageChange (views reload
/// their captions through LanguageClass). The main window raises AfterLanguageChange once at start-up,
/// after wiring the panels, so that every view fills its captions the same way as after a switch.
///
/// Both signals are delivered synchronously: every receiver has run when the Exec call returns. Setting
/// LanguageClass or Language changes nothing else and emits nothing. Owned by the main window; receivers
/// hold a plain pointer and must not outlive it.
class DialogLanguage : public QObject {
    Q_OBJECT

public:
    explicit DialogLanguage(QObject* parent = nullptr);

    /// The text service; nullptr until it was set.
    [[nodiscard]] const std::shared_ptr<orvik::common::cls_Language>& LanguageClass() const noexcept {
        return m_languageClass;
    }
    void setLanguageClass(std::shared_ptr<orvik::common::cls_Language> languageClass);
    /// 0 German, 1 French, 2 English, 3 user-defined; 0 until it was set.
    [[nodiscard]] std::int32_t Language() const noexcept { return m_language; }
    void setLanguage(std::int32_t language) noexcept { m_language = language; }

    void ExecBeforeLanguageChange();
    void ExecAfterLanguageChange();

signals:
    void BeforeLanguageChange();
    void AfterLanguageChange();

private:
    std::shared_ptr<orvik::common::cls_Language> m_languageClass;
    std::int32_t m_language = 0;
};

} // namespace shell::contract
