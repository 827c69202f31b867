// tavrin-ts-catalogue: reads the program's translations (translations/*.ts,
// as lupdate writes them and Qt Linguist edits them) for the build and its
// tests, so that every door takes its words from the same files:
//
//   --json DIR TS...     one catalogue per language for the web page,
//                        DIR/<language>.json: {context: {source: translation}}
//                        with the finished translations only
//   --templates OUT TS...  the core's templates (its texts with %1..%9) as a
//                        C++ table, which the window and tavrin-cli translate
//                        the core's finished texts by
//   --check TS...        every text translated and none left unfinished or
//                        obsolete, each translation with its source's
//                        placeholders; lists every fault and fails on any
//   --page-texts OUT PAGE_DIR  the web page's texts for lupdate, which reads
//                        no HTML and no JavaScript module: the words of
//                        index.html (between tags, and its title, aria-label,
//                        placeholder and alt attributes) and every tr('...')
//                        of js/*.js, as QT_TRANSLATE_NOOP("Page", ...) lines

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

struct TMessage {
    QString Context;
    QString Source;
    QString Translation;
    QString Type; // "", "unfinished", "vanished" or "obsolete"
};

struct TCatalogue {
    QString Language; // "de", from tavrin_de.ts
    QList<TMessage> Messages;
};

bool Fail(const QString& text) {
    std::fprintf(stderr, "tavrin-ts-catalogue: %s\n", qPrintable(text));
    return false;
}

bool Read(const QString& path, TCatalogue& catalogue) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(path + QStringLiteral(": ") + file.errorString());
    catalogue.Language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            message = {context, {}, {}, {}};
        else if (name == QLatin1String("source"))
            message.Source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            message.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.Messages.append(message);
        }
    }
    if (xml.hasError())
        return Fail(path + QStringLiteral(": ") + xml.errorString());
    return true;
}

bool Finished(const TMessage& message) {
    return message.Type.isEmpty() && !message.Translation.isEmpty();
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Fail(path + QStringLiteral(": ") + file.errorString());
    return true;
}

bool WriteJson(const QString& folder, const QList<TCatalogue>& catalogues) {
    for (const TCatalogue& catalogue : catalogues) {
        QJsonObject contexts;
        for (const TMessage& message : catalogue.Messages) {
            if (!Finished(message))
                continue;
            QJsonObject texts = contexts.value(message.Context).toObject();
            texts.insert(message.Source, message.Translation);
            contexts.insert(message.Context, texts);
        }
        if (!Write(folder + QLatin1Char('/') + catalogue.Language + QStringLiteral(".json"),
                   QJsonDocument(contexts).toJson(QJsonDocument::Compact)))
            return false;
    }
    return true;
}

// A C++ string literal of `text`, its characters beyond ASCII as UTF-8, as
// lupdate and the compiler read them.
QByteArray Literal(const QString& text) {
    QByteArray literal = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            literal += '\\';
        literal += c == '\n' ? QByteArray("\\n") : QByteArray(1, c);
    }
    return literal + '"';
}

bool WriteTemplates(const QString& path, const QList<TCatalogue>& catalogues) {
    QSet<QString> seen;
    QByteArray table = "// Made by tavrin-ts-catalogue from translations/*.ts.\n";
    for (const TCatalogue& catalogue : catalogues)
        for (const TMessage& message : catalogue.Messages)
            if (message.Context == QLatin1String("Core") &&
                !Placeholders(message.Source).isEmpty() && !seen.contains(message.Source)) {
                seen.insert(message.Source);
                table += Literal(message.Source) + ",\n";
            }
    return Write(path, table);
}

bool Check(const QList<TCatalogue>& catalogues, const QStringList& paths) {
    bool whole = true;
    for (qsizetype i = 0; i < catalogues.size(); ++i) {
        for (const TMessage& message : catalogues[i].Messages) {
            QString fault;
            if (!message.Type.isEmpty())
                fault = message.Type;
            else if (message.Translation.isEmpty())
                fault = QStringLiteral("untranslated");
            else if (Placeholders(message.Translation) != Placeholders(message.Source))
                fault = QStringLiteral("placeholders differ");
            if (!fault.isEmpty())
                whole = Fail(paths[i] + QStringLiteral(": ") + fault + QStringLiteral(": [") +
                             message.Context + QStringLiteral("] ") + message.Source);
        }
        if (catalogues[i].Messages.isEmpty())
            whole = Fail(paths[i] + QStringLiteral(": no texts"));
    }
    return whole;
}

// Runs of blanks and line ends as one blank, as the page compares them.
QString Simplified(const QString& text) {
    return text.simplified();
}

QString HtmlDecoded(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

bool HasWords(const QString& text) {
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

bool WritePageTexts(const QString& path, const QString& pageFolder) {
    QStringList texts;
    auto add = [&texts](const QString& text) {
        if (HasWords(text) && !texts.contains(text))
            texts.append(text);
    };
    QFile page(pageFolder + QStringLiteral("/index.html"));
    if (!page.open(QIODevice::ReadOnly))
        return Fail(page.fileName() + QStringLiteral(": ") + page.errorString());
    QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression hidden(QStringLiteral("<(script|style|head)\\b.*?</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    html.remove(hidden);
    // A tag, whose quoted values may hold < and >; the words lie between tags.
    static const QRegularExpression tag(QStringLiteral("<(?:[^>\"']|\"[^\"]*\"|'[^']*')*>"));
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:title|aria-label|placeholder|alt)=\"([^\"]*)\""));
    for (const auto& match : tag.globalMatch(html))
        for (const auto& value : attribute.globalMatch(match.captured()))
            add(Simplified(HtmlDecoded(value.captured(1))));
    for (const QString& between : html.split(tag))
        add(Simplified(HtmlDecoded(between)));
    static const QRegularExpression marked(
        QStringLiteral("\\btr\\(\\s*(?:'((?:[^'\\\\]|\\\\.)*)'|\"((?:[^\"\\\\]|\\\\.)*)\")"));
    static const QRegularExpression escaped(QStringLiteral("\\\\(.)"));
    const QDir js(pageFolder + QStringLiteral("/js"));
    for (const QString& name : js.entryList({QStringLiteral("*.js")}, QDir::Files, QDir::Name)) {
        QFile file(js.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return Fail(file.fileName() + QStringLiteral(": ") + file.errorString());
        const QString code = QString::fromUtf8(file.readAll());
        for (const auto& match : marked.globalMatch(code)) {
            QString text = match.captured(1).isNull() ? match.captured(2) : match.captured(1);
            text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            add(text.replace(escaped, QStringLiteral("\\1")));
        }
    }
    QByteArray lines = "// Made by tavrin-ts-catalogue from the web page, for lupdate.\n";
    for (const QString& text : texts)
        lines += "QT_TRANSLATE_NOOP(\"Page\", " + Literal(text) + ");\n";
    return Write(path, lines);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString mode = args.value(0);
    const bool check = mode == QLatin1String("--check");
    if (mode == QLatin1String("--page-texts") && args.size() == 3)
        return WritePageTexts(args[1], args[2]) ? 0 : 1;
    if ((check && args.size() < 2) || (!check && args.size() < 3) ||
        (!check && mode != QLatin1String("--json") && mode != QLatin1String("--templates"))) {
        std::fputs("usage: tavrin-ts-catalogue --json DIR TS... | --templates OUT TS... | "
                   "--check TS... | --page-texts OUT PAGE_DIR\n",
                   stderr);
        return 2;
    }
    const QStringList paths = args.mid(check ? 1 : 2);
    QList<TCatalogue> catalogues(paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i)
        if (!Read(paths[i], catalogues[i]))
            return 1;
    bool done = false;
    if (check)
        done = Check(catalogues, paths);
    else if (mode == QLatin1String("--json"))
        done = WriteJson(args[1], catalogues);
    else
        done = WriteTemplates(args[1], catalogues);
    return done ? 0 : 1;
}
