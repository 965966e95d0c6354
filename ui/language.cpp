#include "ui/language.h"

#include "game/word_list.h"
#include "ui/look.h"

#include <QCoreApplication>

namespace ui {

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("ja") || c == QLatin1String("japanese"))
        return Language::Japanese;
    if (c == QLatin1String("en") || c == QLatin1String("english"))
        return Language::English;
    return std::nullopt;
}

Languages::~Languages() {
    for (const std::unique_ptr<QTranslator>& t : {std::cref(qt_), std::cref(game_)})
        if (t)
            QCoreApplication::removeTranslator(t.get());
}

void Languages::use(Language language) {
    if (used_ && language == current_)
        return;
    used_ = true;
    current_ = language;
    for (std::unique_ptr<QTranslator>* t : {&qt_, &game_})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    if (language == Language::Japanese) {
        qt_ = InstallQtTranslations(system_);
        return;
    }
    // English: Qt's own texts are English already.
    game_ = std::make_unique<QTranslator>();
    if (!game_->load(QStringLiteral(":/i18n/mojiro_en.qm")) ||
        !QCoreApplication::installTranslator(game_.get()))
        game_.reset();
}

QString ShownList(const QString& list) {
    // The words of a list stay Japanese; a shipped list's name has its
    // English beside it: たべもの — Food.
    const QString name = game::ShownListName(list);
    const QByteArray key = name.toUtf8();
    const QString english = QCoreApplication::translate("ShippedList", key.constData());
    return english == name ? name : name + QStringLiteral(" — ") + english;
}

} // namespace ui
