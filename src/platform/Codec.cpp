#include "platform/Codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert");
    }
    ~Iconv() { iconv_close(cd_); }
    iconv_t get() const { return cd_; }
private:
    iconv_t cd_;
};

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the UTF-8 sequence at s[i] and returns how many bytes it takes.
// A malformed sequence (stray or overlong lead, missing or wrong
// continuation, surrogate, beyond U+10FFFF) sets valid to false and takes
// only the bytes that started it, so the text after it is read as it is.
std::size_t decodeUtf8(const std::string& s, std::size_t i, unsigned& cp, bool& valid) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    valid = true;
    cp = c;
    if (c < 0x80) return 1;
    std::size_t need = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
    if (need == 0) {
        valid = false;
        return 1;
    }
    // The second byte's range also excludes overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    cp = c & (0x7F >> (need + 1));
    std::size_t len = 1;
    while (len <= need && i + len < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i + len]);
        bool fits = len == 1 ? b >= low && b <= high : isContinuation(b);
        if (!fits) break;
        cp = (cp << 6) | (b & 0x3F);
        ++len;
    }
    if (len <= need) valid = false;
    return len;
}

}  // namespace

std::string utf8ToCp1251(const std::string& utf8, Unmappable mode) {
    static thread_local Iconv cv("CP1251", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {  // the common case needs no conversion
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        unsigned cp = 0;
        bool valid = true;
        std::size_t len = decodeUtf8(utf8, i, cp, valid);
        if (!valid) {
            out += mode == Unmappable::CharacterReference ? "&#65533;" : "?";
            i += len;
            continue;
        }
        char in[4];
        for (std::size_t k = 0; k < len; ++k) in[k] = utf8[i + k];
        char* inp = in;
        std::size_t inLeft = len;
        char result[4];
        char* outp = result;
        std::size_t outLeft = sizeof result;
        iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
        if (iconv(cv.get(), &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1)) {
            out.append(result, static_cast<std::size_t>(outp - result));
        } else if (mode == Unmappable::CharacterReference) {
            out += "&#" + std::to_string(cp) + ";";
        } else {
            out += '?';
        }
        i += len;
    }
    return out;
}

std::string cp1251ToUtf8(const std::string& cp1251) {
    static thread_local Iconv cv("UTF-8", "CP1251");
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (unsigned char c : cp1251) {
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char in = static_cast<char>(c);
        char* inp = &in;
        std::size_t inLeft = 1;
        char result[4];
        char* outp = result;
        std::size_t outLeft = sizeof result;
        if (iconv(cv.get(), &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1))
            out.append(result, static_cast<std::size_t>(outp - result));
        else
            out += '?';  // 0x98 has no character
    }
    return out;
}

}  // namespace platform
