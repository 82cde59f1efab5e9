// The user's language is chosen as gettext chooses it, every shipped translation keeps what a
// text needs to work (its mnemonic, its placeholders), and no text reaches the user around
// the translation.
#include "base/language.h"
#include "base/stringtable.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(Language, ChosenFromTheLocaleVariablesAsGettextDoes) {
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG, the language chosen ("" = English).
    // clang-format off
    const char* const cases[][5] = {
        {"", "", "", "de_DE.UTF-8", "de"}, {"", "", "", "fr_FR.UTF-8", "fr"},
        {"", "", "", "pt_BR.UTF-8", ""}, {"", "", "", "", ""}, {"", "", "", "C.UTF-8", ""},
        {"", "", "", "de_AT.UTF-8@euro", "de"}, {"", "", "fr_CA", "de_DE", "fr"},
        {"", "de_DE", "fr_FR", "", "de"}, {"pt_BR:fr:de", "", "", "pt_BR.UTF-8", "fr"},
        {"en_GB:de", "", "", "de_DE", ""}, {"fr", "C", "", "de_DE", ""},
        {"fr", "", "", "", "fr"}, {"it:es", "", "", "de_CH.UTF-8", "de"}};
    // clang-format on
    for (const auto& c : cases) {
        const auto environment = [&](const char* name) {
            const QList<const char*> names = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
            return QString::fromUtf8(c[names.indexOf(name)]);
        };
        EXPECT_EQ(chooseLanguage(environment, translatedLanguages()), c[4])
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
}

QString mnemonicOf(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("&([^&\\s])"));
    const QString plain = QString(text).replace(QStringLiteral("&&"), QString());
    return mnemonic.match(plain).hasMatch() ? QStringLiteral("&") : QString();
}

QStringList placeholdersOf(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d|\\t.*$"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured().remove(u'L');
    found.sort();
    return found;
}

struct Message {
    QString context, source, translation;
};

QList<Message> readTranslations(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"translation")
            messages.last().translation = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

TEST(Language, TranslationsKeepMnemonicsPlaceholdersAndTableTexts) {
    QSet<QString> tableTexts;
    for (int id : tableIdentifiers())
        tableTexts.insert(tableString(id));
    const QDir folder(QStringLiteral(KELVANE_SOURCE_DIR "/../translations"));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")});
    EXPECT_EQ(files.size(), 2 * translatedLanguages().size());
    for (const QString& name : files) {
        const QList<Message> messages = readTranslations(folder.filePath(name));
        EXPECT_FALSE(messages.isEmpty()) << name.toStdString();
        for (const Message& m : messages) {
            const std::string where = QString(name + u' ' + m.source).toStdString();
            if (m.context == u"StringTable") {
                EXPECT_TRUE(tableTexts.contains(m.source)) << where << ": not in the table";
            }
            if (m.translation.isEmpty())
                continue;
            EXPECT_EQ(mnemonicOf(m.translation), mnemonicOf(m.source)) << where;
            EXPECT_EQ(placeholdersOf(m.translation), placeholdersOf(m.source)) << where;
        }
    }
}

// A call that shows its text arguments to the user.
const QRegularExpression& shownTextCall() {
    static const QRegularExpression call(QStringLiteral(
        R"(\b(item|hookItem|submenu|setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|)"
        R"(setAccessibleName|setAccessibleDescription|setTitle|setLabelText|setTabText|addAction|)"
        R"(addButton|addItem|addTab|addMenu|showMessage|setHorizontalHeaderLabels|)"
        R"(QMessageBox::information|QMessageBox::warning|QMessageBox::critical|)"
        R"(QMessageBox::question|QMenu|QAction|QPushButton|QLabel|QCheckBox|QGroupBox)\()"));
    return call;
}

// The text from an opening parenthesis to its partner.
QString argumentsAt(const QString& text, qsizetype open) {
    int depth = 0;
    bool quoted = false;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'\\')
            ++i;
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u'(')
            ++depth;
        else if (!quoted && c == u')' && --depth == 0)
            return text.mid(open, i - open + 1);
    }
    return {};
}

TEST(Language, UserVisibleTextsGoThroughTheTranslation) {
    // What remains after the translated texts are taken out must hold no words: a literal
    // with two letters in a row is a text shown untranslated.
    static const QRegularExpression translated(QStringLiteral(
        R"re(\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\((?:[^()"]|"(?:[^"\\]|\\.)*")*\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression words(
        QStringLiteral(R"(^(?!:/|((Ctrl|Shift|Alt)\+)+\w+$).*[A-Za-z]{2})"));
    const QString src = QStringLiteral(KELVANE_SOURCE_DIR);
    QStringList bypassing;
    QDirIterator it(src, {QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& call : shownTextCall().globalMatch(text)) {
            QString arguments = argumentsAt(text, call.capturedEnd() - 1);
            arguments.remove(translated);
            for (const auto& found : literal.globalMatch(arguments)) {
                if (words.match(found.captured(1)).hasMatch()) {
                    bypassing << it.filePath().mid(src.size() + 1) + u": " + call.captured(1) +
                                     u' ' + found.captured();
                    break;
                }
            }
        }
    }
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join(u'\n').toStdString();
}

} // namespace
