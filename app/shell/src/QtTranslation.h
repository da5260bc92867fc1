#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QTranslator;

namespace shell {

/// Qt's own texts (the buttons of the message boxes, the file, print and preview dialogs) in the
/// program's language, from Qt's translations (qtbase) installed with the system. Installs its
/// translator into the application and removes it when destroyed; one per program.
class QtTranslation {
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    /// 0 German, 1 French, anything else English, Qt's own language. False when the translation of
    /// the language is not installed: Qt's texts then stay English.
    bool use(std::int32_t language);

    /// The name of Qt's translation of a language ("qtbase_de"), empty for English.
    [[nodiscard]] static QString catalogue(std::int32_t language);

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace shell
