#pragma once

namespace brovik::app {
inline constexpr const char* kCaption = "Mervato Brovik 1.6";
}
