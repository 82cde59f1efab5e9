#include "base/rememberedanswers.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kelvane {

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;
constexpr qsizetype kMaxSiteLength = 2048;
constexpr qsizetype kMaxKindLength = 96;

const QString kAllow = QStringLiteral("allow");
const QString kBlock = QStringLiteral("block");

} // namespace

QString RememberedAnswers::defaultPath() {
    return dataFolder() + QStringLiteral("/permissions.txt");
}

bool RememberedAnswers::isValidSite(const QString& site) {
    if (site.isEmpty() || site.size() > kMaxSiteLength)
        return false;
    // A replacement character stands for bytes that were not UTF-8.
    return std::ranges::all_of(site, [](QChar c) {
        return c.isPrint() && !c.isSpace() && c != QChar::ReplacementCharacter;
    });
}

bool RememberedAnswers::isValidKind(const QString& kind) {
    if (kind.isEmpty() || kind.size() > kMaxKindLength)
        return false;
    // Lower-case letters and hyphens, and after a colon a scheme ("open-outside:web+app").
    const qsizetype colon = kind.indexOf(u':');
    const auto letterOrHyphen = [](QChar c) { return (c >= u'a' && c <= u'z') || c == u'-'; };
    const auto schemeCharacter = [&](QChar c) {
        return letterOrHyphen(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'.';
    };
    return std::ranges::all_of(QStringView(kind).first(colon < 0 ? kind.size() : colon),
                               letterOrHyphen) &&
           (colon < 0 ||
            (colon + 1 < kind.size() &&
             std::ranges::all_of(QStringView(kind).sliced(colon + 1), schemeCharacter)));
}

void RememberedAnswers::load() {
    m_answers.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.read(kMaxFileBytes));
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QList<QStringView> fields = line.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 3 || (fields[2] != kAllow && fields[2] != kBlock))
            continue;
        remember(fields[0].toString(), fields[1].toString(), fields[2] == kAllow);
    }
}

bool RememberedAnswers::save() const {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(folder) && !makePrivateFolder(folder))
        return false;
    QSaveFile file(m_path);
    if (!openPrivate(file))
        return false;
    QByteArray bytes;
    for (const RememberedAnswer& entry : entries())
        bytes += (entry.site + u' ' + entry.kind + u' ' + (entry.allow ? kAllow : kBlock) + u'\n')
                     .toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<bool> RememberedAnswers::answer(const QString& site, const QString& kind) const {
    const auto it = m_answers.constFind({site, kind});
    if (it == m_answers.constEnd())
        return std::nullopt;
    return *it;
}

bool RememberedAnswers::remember(const QString& site, const QString& kind, bool allow) {
    if (!isValidSite(site) || !isValidKind(kind))
        return false;
    m_answers.insert({site, kind}, allow);
    return true;
}

void RememberedAnswers::forget(const QString& site, const QString& kind) {
    m_answers.remove({site, kind});
}

QList<RememberedAnswer> RememberedAnswers::entries() const {
    QList<RememberedAnswer> list;
    for (auto it = m_answers.constBegin(); it != m_answers.constEnd(); ++it)
        list.append({it.key().first, it.key().second, it.value()});
    return list;
}

} // namespace kelvane
