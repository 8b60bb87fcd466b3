#include "runtime/files/number_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "runtime/files/error_number.h"

namespace runtime {

namespace {

constexpr int kShownDigits = 15;
constexpr int kReadDigits = 18;
constexpr int kExponentCap = 9999;
constexpr int kOverflowExponent = 4932;    // 10^4932 and up reads as 2^127
constexpr int kUnderflowExponent = -4933;  // below 10^-4933 reads as 0
constexpr Number kOverflowValue = 170141183460469231731687303715884105728.0L;  // 2^127

// A non-negative integer in base 10^9, least significant limb first: just enough arithmetic
// to see the exact decimal digits of a binary number.
class DecimalDigits {
  public:
    explicit DecimalDigits(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void MultiplyByPowerOfTwo(int exponent) {
        for (; exponent >= 29; exponent -= 29) Multiply(1u << 29);
        if (exponent > 0) Multiply(1u << exponent);
    }

    void MultiplyByPowerOfFive(int exponent) {
        for (; exponent >= 13; exponent -= 13) Multiply(1220703125u);  // 5^13
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent) rest *= 5;
        Multiply(rest);
    }

    // The leading digits (at least 16 when there are that many) and the count of all digits.
    std::string Leading(long& totalDigits) const {
        std::string text = std::to_string(limbs_.back());
        const std::size_t top = limbs_.size() - 1;
        for (std::size_t i = 1; i <= 2 && i <= top; ++i) {
            std::string limb = std::to_string(limbs_[top - i]);
            text += std::string(9 - limb.size(), '0') + limb;
        }
        totalDigits = static_cast<long>(std::to_string(limbs_.back()).size() + 9 * top);
        return text;
    }

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

// The first 16 significant decimal digits of a finite, non-zero |value|, cut (not rounded),
// and the decimal exponent of the first one.
std::string SixteenDigits(Number magnitude, long& exponent) {
    int binaryExponent = 0;
    const Number fraction = std::frexp(magnitude, &binaryExponent);
    std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    int shift = binaryExponent - 64;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++shift;
    }
    DecimalDigits digits(mantissa);
    long count = 0;
    if (shift >= 0) {
        digits.MultiplyByPowerOfTwo(shift);
        std::string leading = digits.Leading(count);
        exponent = count - 1;
        leading.resize(16, '0');
        return leading;
    }
    // m * 2^-s is m * 5^s / 10^s.
    digits.MultiplyByPowerOfFive(-shift);
    std::string leading = digits.Leading(count);
    exponent = count - 1 + shift;
    leading.resize(16, '0');
    return leading;
}

std::string Format(Number value, bool blankForPositive) {
    std::string text;
    if (std::signbit(value) && value != 0 && !std::isnan(value))
        text = "-";
    else if (blankForPositive)
        text = " ";
    if (std::isnan(value)) return text.append("NAN");
    if (std::isinf(value)) return text.append("INF");
    if (value == 0) return text.append("0");

    long exponent = 0;
    const std::string sixteen = SixteenDigits(std::fabs(value), exponent);

    // Round to 15 digits on the 16th alone; an exact 5 goes to the even neighbour.
    std::uint64_t kept = std::stoull(sixteen.substr(0, kShownDigits));
    const int next = sixteen[kShownDigits] - '0';
    if (next > 5 || (next == 5 && (kept & 1) != 0)) ++kept;
    if (kept == 1000000000000000ull) {
        kept = 100000000000000ull;
        ++exponent;
    }
    std::string digits = std::to_string(kept);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const long p = static_cast<long>(digits.size());

    if (exponent >= 0 && exponent + 1 <= kShownDigits) {
        const std::size_t whole = static_cast<std::size_t>(exponent + 1);
        if (p <= exponent + 1) {
            text.append(digits).append(whole - digits.size(), '0');
        } else {
            text.append(digits, 0, whole).append(".").append(digits, whole);
        }
    } else if (exponent < 0 && p - exponent - 1 <= kShownDigits) {
        text.append(".").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else {
        text.append(digits, 0, 1);
        if (p > 1) text.append(".").append(digits, 1);
        text.append(exponent < 0 ? "E-" : "E+")
            .append(std::to_string(exponent < 0 ? -exponent : exponent));
    }
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a digit in base 2, 8 or 16, or -1.
int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Digits after "&": &H hexadecimal, &O and &Q octal, &B binary, & and a digit octal.
Number BasedInteger(const std::string& text, std::size_t i) {
    int base = 8;
    if (i < text.size()) {
        const char c = text[i];
        if (c == 'H' || c == 'h')
            base = 16, ++i;
        else if (c == 'O' || c == 'o' || c == 'Q' || c == 'q')
            base = 8, ++i;
        else if (c == 'B' || c == 'b')
            base = 2, ++i;
    }
    const int bits = base == 16 ? 4 : base == 8 ? 3 : 1;
    std::uint64_t value = 0;
    bool anyDigit = false;
    bool tooBig = false;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0) break;
        anyDigit = true;
        if (value > (std::numeric_limits<std::uint64_t>::max() >> bits)) tooBig = true;
        value = (value << bits) | static_cast<std::uint64_t>(d);
    }
    if (!anyDigit || tooBig) return 0;
    return static_cast<Number>(value);
}

// 10^exponent for 0 <= exponent <= 4950, from correctly rounded powers 10^(2^i): at most a
// dozen roundings, far inside the precision a double needs.
Number PowerOfTen(long exponent) {
    static constexpr std::array<Number, 13> kPowers = {
        1e1L,   1e2L,   1e4L,   1e8L,    1e16L,   1e32L,   1e64L,
        1e128L, 1e256L, 1e512L, 1e1024L, 1e2048L, 1e4096L,
    };
    Number result = 1;
    for (std::size_t bit = 0; bit < kPowers.size() && exponent != 0; ++bit, exponent >>= 1)
        if (exponent & 1) result *= kPowers[bit];
    return result;
}

Number Scale(Number mantissa, long exponent) {
    if (exponent >= 0) return mantissa * PowerOfTen(exponent);
    // Divide in two steps so that the divisor never overflows.
    long down = -exponent;
    if (down > 4900) {
        mantissa /= PowerOfTen(4900);
        down -= 4900;
    }
    return mantissa / PowerOfTen(down);
}

template <typename Integer>
Integer StoreInteger(Number value) {
    constexpr Integer kMin = std::numeric_limits<Integer>::min();
    constexpr Integer kMax = std::numeric_limits<Integer>::max();
    if (std::isnan(value)) return kMin;
    Number rounded = std::floor(value);
    const Number fraction = value - rounded;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(rounded, 2.0L) != 0)) rounded += 1;
    if (rounded < kMin || rounded > kMax) return kMin;
    return static_cast<Integer>(rounded);
}

}  // namespace

std::string NumberToText(Number value) {
    return Format(value, true);
}

std::string NumberToTextTrim(Number value) {
    return Format(value, false);
}

Number TextToNumber(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    if (i == n) return 0;
    if (text[i] == '&') return BasedInteger(text, i + 1);

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }

    // Up to 18 significant digits; later ones only move the point.
    std::uint64_t mantissa = 0;
    int used = 0;
    long scale = 0;
    bool anyDigit = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) break;
        anyDigit = true;
        if (used == 0 && c == '0') {
            if (point) --scale;
        } else if (used < kReadDigits) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++used;
            if (point) --scale;
        } else if (!point) {
            ++scale;
        }
    }
    if (!anyDigit) return 0;

    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        long exponent = 0;
        for (; j < n && IsDigit(text[j]); ++j)
            exponent = std::min<long>(exponent * 10 + (text[j] - '0'), kExponentCap);
        scale += negativeExponent ? -exponent : exponent;
    }
    if (mantissa == 0) return 0;

    // The decimal exponent of the leading digit decides the limits exactly.
    const long leading = used - 1 + scale;
    if (leading >= kOverflowExponent) return negative ? -kOverflowValue : kOverflowValue;
    if (leading < kUnderflowExponent) return 0;
    const Number value = Scale(static_cast<Number>(mantissa), scale);
    return negative ? -value : value;
}

std::string RemoveText(const std::string& text, const std::string& pattern) {
    if (pattern.empty() || text.empty() || pattern.size() > text.size()) return text;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, from)) {
        result.append(text, from, at - from);
        from = at + pattern.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::int32_t StoreInt32(Number value) {
    return StoreInteger<std::int32_t>(value);
}

std::int16_t StoreInt16(Number value) {
    return StoreInteger<std::int16_t>(value);
}

}  // namespace runtime
