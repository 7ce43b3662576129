#include "desktop/settings/ValueChoosers.h"

#include "desktop/settings/CSymbolDlg.h"
#include "render/QtColour.h"

#include <QColorDialog>

namespace orvel {

ValueChoosers ValueChoosers::dialogs()
{
    ValueChoosers choosers;
    choosers.colour = [](Colour current, QWidget *parent) -> std::optional<Colour> {
        const QColor chosen = QColorDialog::getColor(toQColor(current), parent);
        if (!chosen.isValid())
            return std::nullopt;
        return fromQColor(chosen);
    };
    choosers.glyph = [](int current, QWidget *parent) -> std::optional<int> {
        CSymbolDlg dialog(current, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.glyph();
    };
    return choosers;
}

} // namespace orvel
