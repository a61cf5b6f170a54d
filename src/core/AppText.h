// Fixed texts of the program that are not in the bilingual table.
#pragma once

namespace core {

// The window caption, in one language only.
inline constexpr const char* kCaption = "Reed Mere v.3.044 made '2007 Jul 22";

}  // namespace core
