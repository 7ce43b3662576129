#pragma once

namespace orvel {

// The six windows that explain the current chart.
enum class InfoWindow { Houses, Planets, Elements, Qualities, AspectsGraphic, AspectsTable };

} // namespace orvel
