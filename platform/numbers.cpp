// The whole-number reader: decimal digits into a range, or the reason there is no number.
#include "platform/numbers.h"

#include <cctype>
#include <climits>

namespace {

bool is_space(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

number_read number_reader::next(long long low, long long high, long long* value) {
    std::size_t p = at;
    while (p < text.size() && is_space(text[p]))
        p++;
    bool negative = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+'))
        negative = text[p++] == '-';
    if (p >= text.size() || !is_digit(text[p]))
        return number_read::none;
    // Past LLONG_MAX + 1 no range can hold the number: the magnitude stops there, one beyond.
    const unsigned long long limit = static_cast<unsigned long long>(LLONG_MAX) + 1;
    unsigned long long magnitude = 0;
    for (; p < text.size() && is_digit(text[p]); p++)
        magnitude = magnitude <= limit / 10 ? magnitude * 10 + static_cast<unsigned>(text[p] - '0')
                                            : limit + 1;
    at = p;
    if (magnitude > (negative ? limit : limit - 1))
        return number_read::out_of_range;
    long long read =
        negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
    if (read < low || read > high)
        return number_read::out_of_range;
    *value = read;
    return number_read::done;
}

number_read number_reader::next_int(int* value) {
    long long read = 0;
    number_read got = next(INT_MIN, INT_MAX, &read);
    if (got == number_read::done)
        *value = static_cast<int>(read);
    return got;
}

bool number_reader::at_end() {
    while (at < text.size() && is_space(text[at]))
        at++;
    return at == text.size();
}
