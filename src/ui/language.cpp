#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace morlindo::ui {
namespace {

std::optional<Language> languageNamed(const QString& name) {
    if (name == QLatin1String("ko")) return Language::Korean;
    if (name == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

// "--lang ko" or "--lang=ko"; the last one counts.
std::optional<Language> languageArgument(const QStringList& arguments) {
    std::optional<Language> chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size()) {
            if (const auto language = languageNamed(arguments[++i])) chosen = language;
        } else if (argument.startsWith(QLatin1String("--lang="))) {
            if (const auto language = languageNamed(argument.mid(7))) chosen = language;
        }
    }
    return chosen;
}

}  // namespace

Language languageFor(const QLocale& system, const QStringList& arguments) {
    if (const auto chosen = languageArgument(arguments)) return *chosen;
    // The first language the user reads, as the desktop's settings give it.
    const QStringList languages = system.uiLanguages();
    const QLocale first = languages.isEmpty() ? system : QLocale(languages.front());
    return first.language() == QLocale::Korean ? Language::Korean : Language::English;
}

QStringList withoutLanguageArguments(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang")) {
            ++i;
        } else if (!arguments[i].startsWith(QLatin1String("--lang="))) {
            rest << arguments[i];
        }
    }
    return rest;
}

void useLanguage(Language language) {
    static QTranslator ours;
    static QTranslator qts;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qts);
    QLocale::setDefault(QLocale(language == Language::Korean ? QLocale::Korean : QLocale::English));
    // English is the language of the sources and of Qt itself.
    if (language == Language::English) return;
    if (ours.load(QStringLiteral(":/i18n/morlindo_ko.qm")))
        QCoreApplication::installTranslator(&ours);
    // Debian keeps qtbase_ko.qm; windeployqt ships qt_ko.qm, which loads it.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qts.load(QStringLiteral("qtbase_ko"), folder) ||
        qts.load(QStringLiteral("qt_ko"), folder)) {
        QCoreApplication::installTranslator(&qts);
    }
}

}  // namespace morlindo::ui
