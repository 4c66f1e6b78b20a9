#include "calc/AmountText.h"

#include <cstdint>
#include <cstring>

namespace tavrel::calc {
namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr std::uint64_t kHundredMillion = 100000000;

void storeEight(char* out, std::uint64_t bytes) { std::memcpy(out, &bytes, sizeof bytes); }

// The eight decimal digits of n (below 10^8) as characters, the first in the
// lowest byte: split into two halves of four digits, each half into two pairs,
// each pair into two digits, all lanes at once (dividing by multiplying).
std::uint64_t eightDigits(std::uint64_t n) {
    std::uint64_t v = n / 10000 | (n % 10000) << 32;
    std::uint64_t q = (v * 10486) >> 20 & 0x0000007F0000007F;  // lanes / 100
    v = q | (v - q * 100) << 16;
    q = (v * 103) >> 10 & 0x000F000F000F000F;  // lanes / 10
    v = q | (v - q * 10) << 8;
    return v + 0x3030303030303030;
}

// n (below 10^8) without leading zeros. Writes eight bytes; the ones after the
// digits are overwritten by what follows.
char* writeUpTo8Digits(char* out, std::uint64_t n) {
    const std::uint64_t digits = eightDigits(n);
    const std::uint64_t values = digits - 0x3030303030303030;
    const int zeros = values == 0 ? 7 : __builtin_ctzll(values) / 8;  // 0 keeps its one digit
    storeEight(out, digits >> (8 * zeros));
    return out + 8 - zeros;
}

}  // namespace

char* writeAmount(char* out, Currency amount) noexcept {
    const std::int64_t v = amount.scaled();
    // The magnitude as unsigned, safe for the most negative amount.
    const std::uint64_t m = v < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    *out = '-';
    out += v < 0;
    const std::uint64_t dollars = m / Currency::kScale;
    if (dollars < kHundredMillion) {
        out = writeUpTo8Digits(out, dollars);
    } else {
        out = writeUpTo8Digits(out, dollars / kHundredMillion);
        storeEight(out, eightDigits(dollars % kHundredMillion));
        out += 8;
    }
    *out++ = '.';
    // Two decimals always, the third and fourth only when they are not zeros.
    const auto fraction = static_cast<unsigned>(m % Currency::kScale);
    std::memcpy(out, kDigitPairs + 2 * (fraction / 100), 2);
    std::memcpy(out + 2, kDigitPairs + 2 * (fraction % 100), 2);
    return out + 2 + (fraction % 100 != 0) + (fraction % 10 != 0);
}

}  // namespace tavrel::calc
