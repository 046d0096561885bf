#include "ui/PlannerFonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace PlannerFonts {

QFont FixedPitch(bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    font.setBold(bold);
    // Faces metric-compatible with Courier New advance 7.8 px at 13 px; spacing makes it 8.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, CharacterAdvance - advance);
    return font;
}

QFont SansSerif(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont Credit() {
    QFont font = SansSerif(11);
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    return font;
}

} // namespace PlannerFonts
