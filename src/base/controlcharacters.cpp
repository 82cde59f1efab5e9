#include "base/controlcharacters.h"

#include <algorithm>

namespace kelvane {

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

bool hasControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

QString withoutControlCharacters(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c))
            kept.append(c);
    }
    return kept;
}

} // namespace kelvane
