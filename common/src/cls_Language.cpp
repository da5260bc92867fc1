#include "common/cls_Language.h"

#include "SystemLanguage.h"
#include "common/Helper.h"
#include "common/LanguageDatabase.h"
#include "common/LanguageForm.h"
#include "common/TextSource.h"
#include "platform/UserNotifier.h"

#include <algorithm>
#include <dlfcn.h>
#include <exception>
#include <filesystem>
#include <utility>

namespace orvik::common {

namespace {

/// Blanks only, as the runtime's Trim sees them.
bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return text;
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

/// The folder of the file that holds this library, where Language.mdb lies unless told otherwise.
std::string libraryFolder() {
    Dl_info info{};
    static const int anchor = 0;
    if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return withSeparator(std::filesystem::path(info.dli_fname).parent_path().string());
}

std::string indexed(const std::string& name, std::int32_t index) {
    return index == -1 ? name : name + "(" + std::to_string(index) + ")";
}

} // namespace

cls_Language::cls_Language(std::unique_ptr<TextSource> source, SystemLanguage systemLanguage, Notify notify)
    : m_source(std::move(source)), m_systemLanguage(std::move(systemLanguage)), m_notify(std::move(notify)),
      m_dbPath(libraryFolder()) {
    if (!m_systemLanguage) {
        m_systemLanguage = GetSystemLanguageName;
    }
    if (!m_notify) {
        m_notify = [](const platform::UserMessage& message) {
            platform::notifyUser(message);
        };
    }
}

cls_Language::cls_Language(platform::db::DBEngine engine)
    : cls_Language(std::make_unique<LanguageDatabase>(std::move(engine))) {}

cls_Language::~cls_Language() = default;

void cls_Language::setDbPath(const std::string& folder) {
    if (m_databaseOpened) {
        return;
    }
    m_dbPath = Helper::Backslash(folder);
}

std::string cls_Language::databaseFile() const {
    return m_dbPath + std::string(DatabaseName);
}

void cls_Language::reportFailure(const std::string& text) {
    if (m_failureReported) {
        return;
    }
    m_failureReported = true;
    m_notify({text, std::string(LibraryTitle), platform::MessageIcon::Critical});
}

bool cls_Language::openTextTable() {
    if (m_source->textTableOpen()) {
        return true;
    }
    try {
        m_source->openTextTable(databaseFile());
        m_databaseOpened = true;
    } catch (const std::exception& e) {
        reportFailure(e.what());
    }
    return m_source->textTableOpen();
}

bool cls_Language::openControlTable() {
    if (m_source->controlTableOpen()) {
        return true;
    }
    try {
        m_source->openControlTable(databaseFile());
        m_databaseOpened = true;
    } catch (const std::exception& e) {
        reportFailure(e.what());
    }
    return m_source->controlTableOpen();
}

void cls_Language::createRecordsetsImmediately() {
    static_cast<void>(openTextTable());
    static_cast<void>(openControlTable());
}

bool cls_Language::isSysLangEnglish() const {
    return upper(m_systemLanguage()) == "ENGLISH";
}
bool cls_Language::isSysLangFrance() const {
    return upper(m_systemLanguage()) == "FRENCH";
}
bool cls_Language::isSysLangGerman() const {
    return upper(m_systemLanguage()) == "GERMAN";
}
bool cls_Language::isSysLangOther() const {
    const std::string name = upper(m_systemLanguage());
    return name != "ENGLISH" && name != "FRENCH" && name != "GERMAN";
}

std::string cls_Language::chooseText(const TextRecord& record) const {
    std::string text;
    // A user-defined language has no column of its own: it shows the user's texts, then English.
    const bool preferSelfDefined = m_useSelfDefined || m_language == UserDefined;
    if (preferSelfDefined && record.selfdefine) {
        text = *record.selfdefine;
    }
    if (isBlank(text)) {
        const std::optional<std::string>* column = nullptr;
        switch (m_language) {
        case German:
            column = &record.german;
            break;
        case French:
            column = &record.france;
            break;
        case English:
        case UserDefined:
            column = &record.english;
            break;
        default:
            break;
        }
        if (column != nullptr && column->has_value()) {
            text = **column;
        }
    }
    if (isBlank(text)) {
        const std::optional<std::string>* column = nullptr;
        if (isSysLangEnglish() || isSysLangOther()) {
            column = &record.english;
        } else if (isSysLangFrance()) {
            column = &record.france;
        } else {
            column = &record.german;
        }
        if (column->has_value()) {
            text = **column;
        }
    }
    return text;
}

std::string cls_Language::getTextFromDB(TextID id) {
    try {
        if (!openTextTable()) {
            return {};
        }
        const std::optional<TextRecord> record = m_source->findText(static_cast<std::int32_t>(id));
        return record ? chooseText(*record) : std::string();
    } catch (const std::exception&) {
        // A seek that fails is a missing text; only a database that cannot be opened is reported.
        return {};
    }
}

std::string cls_Language::getControlText(const std::string& formId, const std::string& controlName,
                                         const std::string& defaultText, std::int32_t index) {
    if (defaultText.empty()) {
        return {};
    }
    std::optional<TextRecord> record;
    try {
        record = m_source->findControl(formId, indexed(controlName, index));
    } catch (const std::exception&) {
        // A seek that fails leaves this caption as it was; the next caption is looked up anew.
        return defaultText;
    }
    return record ? chooseText(*record) : defaultText;
}

void cls_Language::adjustForm(LanguageForm& form) {
    try {
        const std::vector<FormControl*> controls = form.controls();
        if (controls.empty() || !openControlTable()) {
            return;
        }
        const std::string formId = form.name();
        try {
            form.setCaption(getControlText(formId, formId, form.caption(), -1));
        } catch (const std::exception&) {
            // The caption stays as it was.
        }
        for (FormControl* control : controls) {
            try {
                adjustControl(formId, *control);
            } catch (const std::exception&) {
                // Silently: one report per failed step would be a message box per caption. This control
                // keeps what it has; the others go on.
            }
        }
    } catch (const std::exception&) {
        // The form stays as it was.
    }
}

void cls_Language::adjustControl(const std::string& formId, FormControl& control) {
    const std::string name = control.name();
    switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::CommandButton:
    case ControlKind::Frame:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        auto& c = dynamic_cast<CaptionControl&>(control);
        c.setCaption(getControlText(formId, name, c.caption(), control.index().value_or(-1)));
        return;
    }
    case ControlKind::MenuItem: {
        auto& c = dynamic_cast<CaptionControl&>(control);
        // A menu item outside an indexed group has no index to look up: it keeps its caption.
        if (const std::optional<std::int32_t> index = control.index()) {
            c.setCaption(getControlText(formId, name, c.caption(), *index));
        }
        return;
    }
    case ControlKind::TabStrip:
    case ControlKind::TabControl: {
        auto& c = dynamic_cast<TabsControl&>(control);
        const std::int32_t base = control.kind() == ControlKind::TabStrip ? 1 : 0;
        for (std::int32_t tab = 0; tab < c.tabCount(); ++tab) {
            c.setTabCaption(tab, getControlText(formId, name, c.tabCaption(tab), tab + base));
        }
        return;
    }
    case ControlKind::Grid: {
        auto& c = dynamic_cast<GridControl&>(control);
        if (c.rows() < 1) {
            return;
        }
        const auto heading = [&](std::int32_t row, std::int32_t offset) {
            for (std::int32_t col = 0; col < c.cols(); ++col) {
                std::string text = c.textMatrix(row, col);
                if (isBlank(text)) {
                    text = " ";
                }
                c.setTextMatrix(row, col, getControlText(formId, name + "_Col", text, col + offset));
            }
        };
        heading(0, 0);
        if (c.fixedRows() > 1 && c.rows() > 1) {
            heading(1, 2000);
        }
        return;
    }
    case ControlKind::ListBar: {
        auto& c = dynamic_cast<ListBarControl&>(control);
        for (std::int32_t group = 0; group < c.groupCount(); ++group) {
            const std::string groupId = name + "_Group" + std::to_string(c.groupIndex(group));
            c.setGroupCaption(group, getControlText(formId, groupId, c.groupCaption(group), -1));
            for (std::int32_t item = 0; item < c.itemCount(group); ++item) {
                const std::string itemId = groupId + "_ListItem" + std::to_string(c.itemIndex(group, item));
                c.setItemText(group, item, getControlText(formId, itemId, c.itemText(group, item), -1));
            }
        }
        return;
    }
    case ControlKind::Toolbar: {
        auto& c = dynamic_cast<ToolbarControl&>(control);
        for (std::int32_t button = 0; button < c.buttonCount(); ++button) {
            const std::string buttonId = name + "_Button" + c.buttonKey(button);
            c.setButtonCaption(button, getControlText(formId, buttonId, c.buttonCaption(button), -1));
            for (std::int32_t entry = 0; entry < c.menuCount(button); ++entry) {
                const std::string entryId = buttonId + "_Buttonmenue" + c.menuKey(button, entry);
                c.setMenuText(button, entry, getControlText(formId, entryId, c.menuText(button, entry), -1));
            }
        }
        return;
    }
    case ControlKind::Other:
        return;
    }
}

void cls_Language::showSettingsDialog() {
    if (m_language == UserDefined) {
        m_language = isSysLangFrance() ? French : isSysLangGerman() ? German : English;
    }
    if (m_settingsDialog) {
        m_settingsDialog(*this);
    }
}

void cls_Language::setFormToDB(LanguageForm& form) {
    if (!form.isWindow()) {
        return;
    }
    try {
        if (!openControlTable()) {
            return;
        }
        const std::string formId = form.name();
        addControlRecord(formId, formId, form.caption(), -1, form.width());
        for (const FormControl* control : form.controls()) {
            writeControl(formId, *control);
        }
        m_notify({formId + " wurde in Language.mdb eingestellt", std::string(LibraryTitle),
                  platform::MessageIcon::Information});
    } catch (const std::exception& e) {
        m_notify({e.what(), std::string(LibraryTitle), platform::MessageIcon::Critical});
    }
}

void cls_Language::writeControl(const std::string& formId, const FormControl& control) {
    const std::string name = control.name();
    switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::CommandButton:
    case ControlKind::Frame:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        const auto& c = dynamic_cast<const CaptionControl&>(control);
        addControlRecord(formId, name, c.caption(), control.index().value_or(-1), control.width());
        return;
    }
    case ControlKind::MenuItem: {
        const auto& c = dynamic_cast<const CaptionControl&>(control);
        // Separators carry no text; a menu item outside an indexed group is written without index.
        if (c.caption() != "-") {
            addControlRecord(formId, name, c.caption(), control.index().value_or(-1), 0);
        }
        return;
    }
    case ControlKind::TabStrip:
    case ControlKind::TabControl: {
        const auto& c = dynamic_cast<const TabsControl&>(control);
        const std::int32_t base = control.kind() == ControlKind::TabStrip ? 1 : 0;
        for (std::int32_t tab = 0; tab < c.tabCount(); ++tab) {
            addControlRecord(formId, name, c.tabCaption(tab), tab + base, 0);
        }
        return;
    }
    case ControlKind::Grid: {
        const auto& c = dynamic_cast<const GridControl&>(control);
        if (c.rows() < 1) {
            return;
        }
        for (std::int32_t col = 0; col < c.cols(); ++col) {
            addControlRecord(formId, name + "_Col", c.textMatrix(0, col), col, c.colWidth(col));
        }
        return;
    }
    case ControlKind::ListBar: {
        const auto& c = dynamic_cast<const ListBarControl&>(control);
        for (std::int32_t group = 0; group < c.groupCount(); ++group) {
            const std::string groupId = name + "_Group" + std::to_string(c.groupIndex(group));
            addControlRecord(formId, groupId, c.groupCaption(group), -1, 0);
            for (std::int32_t item = 0; item < c.itemCount(group); ++item) {
                addControlRecord(formId, groupId + "_ListItem" + std::to_string(c.itemIndex(group, item)),
                                 c.itemText(group, item), -1, 0);
            }
        }
        return;
    }
    case ControlKind::Toolbar: {
        const auto& c = dynamic_cast<const ToolbarControl&>(control);
        const auto hasText = [](const std::string& text) {
            return !text.empty() && text != "-";
        };
        for (std::int32_t button = 0; button < c.buttonCount(); ++button) {
            const std::string buttonId = name + "_Button" + c.buttonKey(button);
            if (!c.buttonIsSeparator(button) && hasText(c.buttonCaption(button))) {
                addControlRecord(formId, buttonId, c.buttonCaption(button), -1, 0);
            }
            for (std::int32_t entry = 0; entry < c.menuCount(button); ++entry) {
                if (hasText(c.menuText(button, entry))) {
                    addControlRecord(formId, buttonId + "_ButtonMenue" + c.menuKey(button, entry),
                                     c.menuText(button, entry), -1, 0);
                }
            }
        }
        return;
    }
    case ControlKind::Other:
        return;
    }
}

void cls_Language::addControlRecord(const std::string& formId, const std::string& controlName,
                                    const std::string& text, std::int32_t index, std::int32_t width) {
    // The editor's columns leave room for the grid's own margin.
    const std::int32_t storedWidth = width > 180 ? width - 180 : width;
    static_cast<void>(m_source->addControl(formId, indexed(controlName, index), text, storedWidth));
}

} // namespace orvik::common
