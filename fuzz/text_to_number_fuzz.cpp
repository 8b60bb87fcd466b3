// Arbitrary text into the number reader: it must never fail, and what it reads must survive
// being shown and read again.
#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/files/number_text.h"

using namespace runtime;

namespace {
void Check(bool ok) {
    if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Number value = TextToNumber(text);
    Check(std::isfinite(value));
    Check(std::fabs(value) < 1e4932L);

    const std::string shown = NumberToText(value);
    Check(!shown.empty() && shown.size() <= 23);
    Check(shown[0] == (value < 0 ? '-' : ' '));
    Check(NumberToTextTrim(value) == RemoveText(shown, " "));
    const Number again = TextToNumber(shown);
    // Fifteen digits hold a value to within half a unit of the 15th (and tiny values may
    // fall below the range on the way back).
    Check(std::fabs(again - value) <= std::fabs(value) * 1e-14L || std::fabs(value) < 1e-4900L);
    Check(NumberToText(again) == shown || std::fabs(value) < 1e-4900L);

    const std::int32_t i32 = StoreInt32(value);
    const std::int16_t i16 = StoreInt16(value);
    Check(i32 == INT32_MIN || std::fabs(value - i32) <= 0.5L);
    Check(i16 == INT16_MIN || std::fabs(value - i16) <= 0.5L);
    return 0;
}
