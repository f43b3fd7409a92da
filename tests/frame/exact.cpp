// A float is ±m·2^e with an integer m below 2^24. Products and sums of such numbers are held
// exactly as ±M·2^E with a big integer M (32-bit limbs, least significant first), so nothing
// is rounded until the one rounding, which reads M's bits as IEEE 754 says.
#include "exact.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Limbs = std::vector<uint32_t>;

struct Exact {
    bool negative;
    Limbs magnitude;
    int exponent;
};

Exact from_float(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    const uint32_t biased = (u >> 23) & 0xFF, fraction = u & 0x7FFFFF;
    if (biased == 0xFF) {
        std::fprintf(stderr, "exact: %g is not finite\n", f);
        std::abort();
    }
    if (biased == 0)
        return {(u >> 31) != 0, {fraction}, -149};
    return {(u >> 31) != 0, {fraction | 0x800000u}, static_cast<int>(biased) - 150};
}

bool bit(const Limbs &a, int i) {
    return i >= 0 && static_cast<size_t>(i / 32) < a.size() && (a[i / 32] >> (i % 32)) & 1;
}

int top_bit(const Limbs &a) {
    for (int i = static_cast<int>(a.size()) * 32 - 1; i >= 0; --i)
        if (bit(a, i))
            return i;
    return -1;
}

Limbs multiply(const Limbs &a, const Limbs &b) {
    Limbs r(a.size() + b.size(), 0);
    for (size_t i = 0; i < a.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < b.size(); ++j) {
            uint64_t t = static_cast<uint64_t>(a[i]) * b[j] + r[i + j] + carry;
            r[i + j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        r[i + b.size()] = static_cast<uint32_t>(carry);
    }
    return r;
}

Limbs shift_left(const Limbs &a, int n) {
    Limbs r(a.size() + n / 32 + 1, 0);
    for (int i = top_bit(a); i >= 0; --i)
        if (bit(a, i))
            r[(i + n) / 32] |= 1u << ((i + n) % 32);
    return r;
}

int compare(const Limbs &a, const Limbs &b) {
    for (size_t i = std::max(a.size(), b.size()); i-- > 0;) {
        uint32_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// a + b, or a - b for a >= b.
Limbs add(const Limbs &a, const Limbs &b, bool subtract) {
    Limbs r(std::max(a.size(), b.size()) + 1, 0);
    int64_t carry = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        int64_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        int64_t t = x + (subtract ? -y : y) + carry;
        r[i] = static_cast<uint32_t>(t & 0xFFFFFFFF);
        carry = t >> 32; // arithmetic shift: -1 is a borrow
    }
    return r;
}

Exact sum(const Exact &a, const Exact &b) {
    const int low = std::min(a.exponent, b.exponent);
    Limbs x = shift_left(a.magnitude, a.exponent - low);
    Limbs y = shift_left(b.magnitude, b.exponent - low);
    if (a.negative == b.negative)
        return {a.negative, add(x, y, false), low};
    const int order = compare(x, y);
    if (order == 0)
        return {false, Limbs{0}, low}; // x - x is +0 when rounding to nearest
    if (order > 0)
        return {a.negative, add(x, y, true), low};
    return {b.negative, add(y, x, true), low};
}

float round_to_float(const Exact &x) {
    const int top = top_bit(x.magnitude);
    if (top < 0)
        return x.negative ? -0.0f : 0.0f;
    // The 24 bits from the top are the float's; the bit below them and whether any bit
    // further down is set decide the rounding.
    const int low = top - 23;
    uint32_t m = 0;
    for (int i = top; i >= low; --i)
        m = (m << 1) | (bit(x.magnitude, i) ? 1 : 0);
    bool sticky = false;
    for (int i = low - 2; i >= 0 && !sticky; --i)
        sticky = bit(x.magnitude, i);
    if (bit(x.magnitude, low - 1) && (sticky || (m & 1)))
        ++m; // 2^24 at most, still exact as a float
    const int exponent = x.exponent + low;
    if (exponent + 24 > 128 || exponent < -149 + 23) {
        std::fprintf(stderr, "exact: 2^%d is outside the normal floats\n", exponent);
        std::abort();
    }
    const float r = std::ldexp(static_cast<float>(m), exponent);
    return x.negative ? -r : r;
}

} // namespace

float exact_multiply_add(float a, float b, float c) {
    const Exact x = from_float(a), y = from_float(b);
    const Exact product{x.negative != y.negative, multiply(x.magnitude, y.magnitude),
                        x.exponent + y.exponent};
    return round_to_float(sum(product, from_float(c)));
}
