#include "gui/ProgramFont.h"

#include "render/ChartFonts.h"

#include <QApplication>

namespace orvel {

void ProgramFont::set(int scale)
{
    QApplication::setFont(ChartFonts::text(ChartFonts::TextPixelSize * scale));
}

} // namespace orvel
