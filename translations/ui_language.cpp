#include "ui_language.h"

#include "executable_folder.h"
#include "text_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTranslator>
#include <array>
#include <memory>
#include <string>

namespace {

// The core's templates, made at build time from translations/*.ts.
constexpr std::string_view CoreTemplateList[] = {
#include "core_templates.inc"
};

// The standard buttons' words come from Qt's own translations, which are not
// always installed: the program carries them in its own, as it does Qt's words
// of the command line's help.
[[maybe_unused]] constexpr std::array QtButtonTexts{
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    // and the command line's help
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
};

// The translation in use; none for English.
QTranslator* InUse = nullptr;

QString LanguageOf(const QTranslator& translator) {
    return translator.language().section(QLatin1Char('_'), 0, 0);
}

QString Decoded(std::string_view text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

} // namespace

QString TranslationFolder(const QString& programFolder) {
    const QDir beside(programFolder);
    if (beside.exists(QStringLiteral("translations")))
        return beside.filePath(QStringLiteral("translations"));
    return QDir::cleanPath(
        beside.filePath(QStringLiteral("../share/tavrin-map-generator/translations")));
}

QTranslator* LoadTranslation(const QString& folder, const QStringList& languages) {
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
        // English is the program's own language: a user who puts it before
        // another gets it.
        if (base == QLatin1String("en") || base == QLatin1String("c") ||
            base == QLatin1String("posix"))
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        for (const QString& name : {language, base})
            if (translator->load(QStringLiteral("tavrin_") + name, folder) &&
                !translator->isEmpty())
                return translator.release();
    }
    return nullptr;
}

namespace {

QTranslator* LoadUserLanguage() {
    return LoadTranslation(TranslationFolder(QFile::decodeName(tavrin::ExecutableFolder().c_str())),
                           QLocale::system().uiLanguages());
}

} // namespace

QString InstallTranslation(QCoreApplication& app, QTranslator* translator) {
    if (InUse) {
        QCoreApplication::removeTranslator(InUse);
        if (InUse->parent() == &app)
            delete InUse;
    }
    InUse = translator;
    if (!translator)
        return {};
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator);
    return LanguageOf(*translator);
}

QString InstallUserLanguage(QCoreApplication& app) {
    const QString language = InstallTranslation(app, LoadUserLanguage());
    // Qt's own dialogs (files, printing) speak it too where the system has
    // Qt's translations (Debian's qt6-translations-l10n).
    auto* qt = new QTranslator(&app);
    if (language.isEmpty() ||
        !qt->load(QStringLiteral("qtbase_") + language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt))
        delete qt;
    return language;
}

QString UseUserLanguage() {
    static const std::unique_ptr<QTranslator> translator(LoadUserLanguage());
    InUse = translator.get();
    return translator ? LanguageOf(*translator) : QString();
}

std::string CoreTextBytes(std::string_view english) {
    if (!InUse)
        return std::string(english);
    return tavrin::TranslateText(english, CoreTemplateList, [](std::string_view source) {
        const std::string key(source);
        const QString found = InUse->translate("Core", key.c_str());
        return found.isEmpty() ? std::string() : found.toStdString();
    });
}

QString CoreText(std::string_view english) {
    return Decoded(CoreTextBytes(english));
}
