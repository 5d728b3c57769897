#include "tests/support/songfixture.h"

#include <iconv.h>
#include <stdexcept>

std::string Iconv(std::string_view bytes, const char* from, const char* to) {
    iconv_t converter = ::iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    std::string input(bytes);
    std::string output(input.size() * 4 + 16, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = ::iconv(converter, &in, &inLeft, &out, &outLeft);
    ::iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error("iconv: no conversion");
    output.resize(output.size() - outLeft);
    return output;
}
