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

// Decodes the UTF-8 sequence at s[i]; returns its length (1 for a stray byte).
std::size_t decodeUtf8(const std::string& s, std::size_t i, unsigned& cp) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + len > s.size()) len = 1;
    if (len == 1) {
        cp = c;
        return 1;
    }
    cp = c & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
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
        std::size_t len = decodeUtf8(utf8, i, cp);
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
