#pragma once

#include "render/InfoWindow.h"

#include <QDialog>

#include <memory>

namespace orvel {

struct ChartScene;

// Opens the windows of the information-window popup: each takes its snapshot of the
// current chart when it is created and never looks at the engine again.
class InformationWindows {
public:
    using Window = InfoWindow;

    // The window over a snapshot of `scene`, sized for `scale` (1 .. 8), ready to exec().
    static std::unique_ptr<QDialog> create(Window window, const ChartScene &scene, int scale, QWidget *parent);
};

} // namespace orvel
