#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <optional>

namespace ui {

// The language of the game's texts. Japanese is its own: nothing is loaded
// for it. The words to type stay Japanese in either.
enum class Language { Japanese, English };

// "ja" or "en", as the options file and --language say it.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// Installs the translations of the language chosen; every window then gets
// a LanguageChange event and puts its texts in that language.
class Languages {
public:
    // Qt's standard texts (OK, キャンセル, the print dialog) follow the
    // system's locale in Japanese, as they always have.
    explicit Languages(const QLocale& system) : system_(system) {}
    ~Languages();
    void use(Language language);
    Language current() const { return current_; }

private:
    QLocale system_;
    Language current_ = Language::Japanese;
    bool used_ = false;
    std::unique_ptr<QTranslator> qt_, game_;
};

// A list's name as the player sees it, a shipped list's English beside it.
QString ShownList(const QString& list);

} // namespace ui
