#pragma once

#include <QFont>

namespace ui {

// The Japanese Gothic face of the window's texts, at a size in pixels.
QFont GothicFont(int pixelSize);
// Maps the face's Windows name to the free faces that stand in for it.
void InstallFontSubstitutes();
// The classic three-dimensional look and the Japanese face for the whole application.
void UseClassicStyle();
// Makes the embedded pictures available.
void InitPictures();

} // namespace ui
