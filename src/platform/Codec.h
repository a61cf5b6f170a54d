// Windows-1251 at the file boundary: pages and bulletin files are written in
// it, bulletin files are read back from it; inside the program text is UTF-8.
#pragma once

#include <string>

namespace platform {

enum class Unmappable {
    CharacterReference,  // "&#NNNN;" (HTML pages)
    QuestionMark,        // "?" (bulletin files)
};

std::string utf8ToCp1251(const std::string& utf8, Unmappable mode = Unmappable::CharacterReference);
std::string cp1251ToUtf8(const std::string& cp1251);

}  // namespace platform
