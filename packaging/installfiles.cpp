// Writes the files the install rules put beside the program, from the program's own rules, so
// that they cannot drift from it: the desktop entry, the manual page, the AppStream metainfo's
// media types, the Debian changelog and the icon rendered at each size.
#include "base/buildconfig.h"
#include "base/fileassociation.h"
#include "base/manpage.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

using namespace kelvane;

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool renderIcon(int size, const QString& svg, const QString& png) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size <= 0)
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(png, "PNG");
}

// The metainfo template with the registered media types in place of its marker line.
QByteArray metainfo(const QByteArray& templateText) {
    QByteArray types;
    for (const QString& type : registeredMimeTypes())
        types += "    <mediatype>" + type.toUtf8() + "</mediatype>\n";
    QByteArray text = templateText;
    return text.replace("    <!-- mediatypes -->\n", types);
}

// text in lines of at most 80 columns, each after indent.
QString wrapped(const QString& text, const QString& indent) {
    QString out, line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent.size() + line.size() + 1 + word.size() > 80) {
            out += indent + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + indent + line;
}

QByteArray changelog(const QString& maintainer, const QString& note) {
    const QDate date = QDate::fromString(QStringLiteral(KELVANE_RELEASE_DATE), Qt::ISODate);
    const QString stamp =
        QLocale::c().toString(date, QStringLiteral("ddd, dd MMM yyyy")) + " 12:00:00 +0000";
    return QStringLiteral("kelvane (%1) unstable; urgency=medium\n\n  * %2\n\n -- %3  %4\n")
        .arg(QStringLiteral(KELVANE_VERSION), wrapped(note, QStringLiteral("    ")).mid(4),
             maintainer, stamp)
        .toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString what = args.value(0);
    bool written = false;
    if (what == "desktop" && args.size() == 2)
        written = writeWhole(args[1], desktopEntryText("kelvane", KELVANE_APP_ID));
    else if (what == "manpage" && args.size() == 2)
        written = writeWhole(args[1], manPageText().toUtf8());
    else if (what == "metainfo" && args.size() == 3)
        written = !readAll(args[1]).isEmpty() && writeWhole(args[2], metainfo(readAll(args[1])));
    else if (what == "changelog" && args.size() == 4)
        written = writeWhole(args[1], changelog(args[2], args[3]));
    else if (what == "icon" && args.size() == 4)
        written = renderIcon(args[1].toInt(), args[2], args[3]);
    else
        std::fputs("usage: installfiles desktop|manpage OUT | metainfo TEMPLATE OUT | "
                   "changelog OUT MAINTAINER NOTE | icon SIZE SVG PNG\n",
                   stderr);
    return written ? 0 : 1;
}
