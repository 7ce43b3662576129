#include "gui/SoftInputPanel.h"

namespace orvel {

SoftInputPanel::~SoftInputPanel() = default;

} // namespace orvel
