#pragma once

#include "common/Enums.h"
#include "common/TextID.h"
#include "platform/UserNotifier.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orvik::common {

class LanguageForm;
class FormControl;
class TextSource;
struct TextRecord;

/// The user-interface text service: messages by TextID and the captions of a form's controls by form
/// and control name, from the text database Language.mdb, in the current language with the user's
/// own texts preferred on request and the system language as the last resort.
///
/// One object serves a whole run. Nothing it does throws: when the text database cannot be opened the
/// failure is reported once through the notifier, texts come back empty and captions stay as they are;
/// every later request tries to open it again without a further report. A lookup that fails on an open
/// database reports nothing: the text comes back empty, the caption stays as it was.
class cls_Language {
public:
    /// Shows a message to the user; the program shows it as a message box.
    using Notify = std::function<void(const platform::UserMessage&)>;
    /// The English name of the system's language ("German", "French", "English", ...).
    using SystemLanguage = std::function<std::string()>;
    /// Opens the editor of user-defined texts for this service and returns when it is closed.
    using SettingsDialog = std::function<void(cls_Language&)>;

    /// The values of the `Language` property that name a column (the `Language` enumeration).
    static constexpr std::int32_t German = static_cast<std::int32_t>(orvik::common::Language::German);
    static constexpr std::int32_t French = static_cast<std::int32_t>(orvik::common::Language::French);
    static constexpr std::int32_t English = static_cast<std::int32_t>(orvik::common::Language::English);
    static constexpr std::int32_t UserDefined =
        static_cast<std::int32_t>(orvik::common::Language::UserDefined);

    /// The title of the library's messages.
    static constexpr std::string_view LibraryTitle = "OrvikCommonVers5";
    static constexpr std::string_view DatabaseName = "Language.mdb";

    /// Reads the text database through `source`; the system language from `systemLanguage` (asked at
    /// each use; by default the user's locale); messages go to `notify` (by default the platform's
    /// user notifier).
    explicit cls_Language(std::unique_ptr<TextSource> source, SystemLanguage systemLanguage = {},
                          Notify notify = {});
    /// The service of a run: Language.mdb through the database layer, with the engine whose workgroup
    /// file the program set at start-up; the user's locale and the platform's notifier.
    explicit cls_Language(platform::db::DBEngine engine);
    ~cls_Language();
    cls_Language(const cls_Language&) = delete;
    cls_Language& operator=(const cls_Language&) = delete;

    [[nodiscard]] std::int32_t Language() const { return m_language; }
    /// Stored unchanged; a value that names no column falls back as UserDefined does.
    void setLanguage(std::int32_t language) { m_language = language; }
    void setLanguage(orvik::common::Language language) { m_language = static_cast<std::int32_t>(language); }
    /// The folder of Language.mdb; a separator is added when missing. Has no effect once the
    /// database is open.
    void setDbPath(const std::string& folder);
    [[nodiscard]] const std::string& dbPath() const { return m_dbPath; }
    [[nodiscard]] bool UseSelfDefined() const { return m_useSelfDefined; }
    void setUseSelfDefined(bool useSelfDefined) { m_useSelfDefined = useSelfDefined; }
    void setHelpFile(const std::string& helpFile) { m_helpFile = helpFile; }
    [[nodiscard]] const std::string& helpFile() const { return m_helpFile; }

    /// Who opens the editor of user-defined texts (the program registers the editor window).
    void setSettingsDialog(SettingsDialog dialog) { m_settingsDialog = std::move(dialog); }
    /// Opens the editor, modal. A user-defined language becomes the system's language (French,
    /// German, else English) first, so that the editor shows the texts of a real language.
    void showSettingsDialog();

    /// Sets the captions of the form and its controls from `tab_controls`.
    void adjustForm(LanguageForm& form);
    /// Opens both tables now instead of at first use.
    void createRecordsetsImmediately();
    /// The message text with this number; "" when there is none or the database cannot be read.
    [[nodiscard]] std::string getTextFromDB(TextID id);
    /// Writes a window's controls into `tab_controls` and `tab_controls_width` (a tool for adding a
    /// new window to the text database); controls already there are kept as they are.
    void setFormToDB(LanguageForm& form);

    [[nodiscard]] bool isSysLangEnglish() const;
    [[nodiscard]] bool isSysLangFrance() const;
    [[nodiscard]] bool isSysLangGerman() const;
    [[nodiscard]] bool isSysLangOther() const;

private:
    [[nodiscard]] bool openTextTable();
    [[nodiscard]] bool openControlTable();
    void reportFailure(const std::string& text);
    [[nodiscard]] std::string chooseText(const TextRecord& record) const;
    [[nodiscard]] std::string getControlText(const std::string& formId, const std::string& controlName,
                                             const std::string& defaultText, std::int32_t index);
    void adjustControl(const std::string& formId, FormControl& control);
    void writeControl(const std::string& formId, const FormControl& control);
    void addControlRecord(const std::string& formId, const std::string& controlName, const std::string& text,
                          std::int32_t index, std::int32_t width);
    [[nodiscard]] std::string databaseFile() const;

    std::unique_ptr<TextSource> m_source;
    SystemLanguage m_systemLanguage;
    Notify m_notify;
    SettingsDialog m_settingsDialog;
    std::int32_t m_language = German;
    std::string m_dbPath;
    bool m_useSelfDefined = false;
    std::string m_helpFile;
    bool m_databaseOpened = false;
    bool m_failureReported = false;
};

} // namespace orvik::common
