#include "ui/look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>

namespace ui {
namespace {

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

QFont GothicFont(int pixelSize) {
    QFont font(kGothic);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void InstallFontSubstitutes() {
    if (QFont::substitutes(kGothic).isEmpty())
        QFont::insertSubstitutions(
            kGothic, {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")});
}

void UseClassicStyle() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    // The Japanese face at 9 points serves the controls that name no face, as
    // on a Japanese desktop; one face for the whole window is also one font
    // file to load instead of a Latin face with a Japanese fallback.
    InstallFontSubstitutes();
    QApplication::setFont(GothicFont(12));
}

std::unique_ptr<QTranslator> InstallQtTranslations(const QLocale& locale) {
    // The game's own texts are Japanese whatever the locale; only Qt's
    // standard texts follow it, and only Japanese is worth loading.
    if (locale.language() != QLocale::Japanese)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace ui
