#include "business/gbk.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

namespace business {

namespace {

std::size_t utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

class GbkConverter {
public:
    GbkConverter() : cd_(iconv_open("GBK", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no GBK");
    }
    ~GbkConverter() { iconv_close(cd_); }
    GbkConverter(const GbkConverter&) = delete;
    GbkConverter& operator=(const GbkConverter&) = delete;

    // GBK bytes of one UTF-8 character.
    std::size_t bytesOf(std::string_view ch) {
        if (ch.size() == 1) return 1;
        char in[4];
        char out[8];
        ch.copy(in, ch.size());
        char* ip = in;
        char* op = out;
        std::size_t inLeft = ch.size(), outLeft = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &ip, &inLeft, &op, &outLeft) == static_cast<std::size_t>(-1)) return 2;
        return sizeof out - outLeft;
    }

private:
    iconv_t cd_;
};

// Walks the characters with their GBK widths.
template <typename Visit>
void eachCharacter(std::string_view text, Visit visit) {
    thread_local GbkConverter converter;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min(utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view ch = text.substr(i, n);
        if (!visit(i, ch, converter.bytesOf(ch))) return;
        i += n;
    }
}

}  // namespace

std::size_t gbkLength(std::string_view utf8) {
    std::size_t total = 0;
    eachCharacter(utf8, [&](std::size_t, std::string_view, std::size_t bytes) {
        total += bytes;
        return true;
    });
    return total;
}

std::string gbkLeft(std::string_view utf8, std::size_t bytes) {
    std::size_t used = 0, end = 0;
    eachCharacter(utf8, [&](std::size_t at, std::string_view ch, std::size_t width) {
        if (used + width > bytes) return false;
        used += width;
        end = at + ch.size();
        return true;
    });
    return std::string(utf8.substr(0, end));
}

std::string gbkDropLeft(std::string_view utf8, std::size_t bytes) {
    std::size_t used = 0, start = utf8.size();
    eachCharacter(utf8, [&](std::size_t at, std::string_view, std::size_t width) {
        if (used >= bytes) {
            start = at;
            return false;
        }
        used += width;
        return true;
    });
    return std::string(utf8.substr(start));
}

}  // namespace business
