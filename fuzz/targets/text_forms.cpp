// The written forms of setting values: every text a hand-edited settings file may hold, and
// every value the program may write.
#include "../fuzztarget.h"

#include "base/textforms.h"

#include <cmath>
#include <cstring>

using namespace kelvane;
using namespace kelvane::fuzz;

namespace {

template <typename T> T fromBits(QByteArrayView input) {
    T value{};
    std::memcpy(&value, input.data(), qMin<qsizetype>(input.size(), sizeof value));
    return value;
}

} // namespace

KELVANE_FUZZ_TARGET(text_forms) {
    const QString text = QString::fromUtf8(input);
    const char* name = "text_forms";

    // What a read gives, written again, reads back the same.
    if (const std::optional<bool> value = boolFromText(text))
        check(boolFromText(boolText(*value)) == value, name, QStringLiteral("bool"));
    if (const std::optional<float> value = positionFromText(text)) {
        check(std::isfinite(*value), name, QStringLiteral("a position that is not a number"));
        check(positionFromText(positionText(*value)) == value, name,
              QStringLiteral("position ") + positionText(*value));
    }
    if (const std::optional<qint16> value = int16FromText(text))
        check(int16FromText(int16Text(*value)) == value, name, QStringLiteral("int16"));
    if (const std::optional<qint32> value = int32FromText(text))
        check(int32FromText(int32Text(*value)) == value, name, QStringLiteral("int32"));

    // Any value the program writes reads back the same.
    const float position = fromBits<float>(input);
    if (std::isfinite(position)) {
        const std::optional<float> back = positionFromText(positionText(position));
        check(back && (*back == position), name,
              QStringLiteral("position %1 written as %2")
                  .arg(double(position), 0, 'g', 9)
                  .arg(positionText(position)));
    }
    const auto int16 = fromBits<qint16>(input);
    check(int16FromText(int16Text(int16)) == int16, name, QStringLiteral("int16 written"));
    const auto int32 = fromBits<qint32>(input);
    check(int32FromText(int32Text(int32)) == int32, name, QStringLiteral("int32 written"));
    check(boolFromText(boolText(!input.isEmpty())) == !input.isEmpty(), name,
          QStringLiteral("bool written"));
}
