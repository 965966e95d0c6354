#pragma once

#include <QFont>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace ui {

// The Japanese Gothic face of the window's texts, at a size in pixels.
QFont GothicFont(int pixelSize);
// Maps the face's Windows name to the free faces that stand in for it.
void InstallFontSubstitutes();
// The classic three-dimensional look and the Japanese face for the whole application.
void UseClassicStyle();
// Qt's own translations of its standard texts (OK, キャンセル, the print and
// file dialogs) for the locale, when it is Japanese; null otherwise.
std::unique_ptr<QTranslator> InstallQtTranslations(const QLocale& locale);

} // namespace ui
