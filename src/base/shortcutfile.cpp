#include "base/shortcutfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace kelvane {

namespace {

// A shortcut is a few lines; anything this long is not one and is not read further.
constexpr qint64 kMaxShortcutBytes = 1 << 20;

QStringView trimControls(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() < 33)
        ++begin;
    while (end > begin && line[end - 1].unicode() < 33)
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

QString readShortcutUrl(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.read(kMaxShortcutBytes));

    bool inSection = false;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        const QStringView line = trimControls(QStringView(text).mid(start, end - start));
        if (!inSection) {
            inSection = line.contains(QLatin1String("netshortcut"), Qt::CaseInsensitive);
        } else {
            const qsizetype at = line.indexOf(QLatin1String("url="), 0, Qt::CaseInsensitive);
            if (at >= 0)
                return line.mid(at + 4).toString();
        }
        start = end + 1;
    }
    return {};
}

QString shortcutUrl(const QString& path) {
    const QString exact = path + QStringLiteral(".url");
    if (QFileInfo::exists(exact))
        return readShortcutUrl(exact);
    // File names are case-sensitive here: look for the same name with the extension in
    // another case.
    const QFileInfo info(exact);
    const QStringList matches =
        info.dir().entryList({info.fileName()}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : matches) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return readShortcutUrl(info.dir().filePath(name));
    }
    return {};
}

QString shortcutPathOf(const QString& text) {
    if (!text.right(4).toLower().endsWith(QLatin1String(".url")))
        return {};
    if (text.left(8).toLower() == QLatin1String("file:///"))
        return QUrl(text).toLocalFile();
    return text;
}

} // namespace kelvane
