#include "ui/common/Fonts.h"

namespace kv::ui {

QFont ToQFont(const FontSettings& f) {
    QFont font(QString::fromStdString(f.name));
    if (f.size > 0)
        font.setPointSize(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeout);
    return font;
}

QColor FontColor(const FontSettings& f) {
    const auto c = static_cast<unsigned>(f.color);
    return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff));
}

FontSettings FromQFont(const QFont& font, const QColor& color) {
    FontSettings f;
    f.name = font.family().toStdString();
    f.size = font.pointSize() > 0 ? font.pointSize() : 10;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeout = font.strikeOut();
    f.color = color.red() | (color.green() << 8) | (color.blue() << 16);
    return f;
}

} // namespace kv::ui
