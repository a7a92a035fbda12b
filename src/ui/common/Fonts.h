#pragma once
// The settings' fonts (name, size in points, style, a Windows colour 0x00BBGGRR) as Qt
// fonts and colours, and back.

#include "engine/core/Settings.h"

#include <QColor>
#include <QFont>

namespace kv::ui {

QFont ToQFont(const FontSettings& f);
QColor FontColor(const FontSettings& f);
// The settings' form of a font chosen in a font dialog; colour as given.
FontSettings FromQFont(const QFont& font, const QColor& color);

} // namespace kv::ui
