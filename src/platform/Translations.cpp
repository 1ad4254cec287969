#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace zarvo::Translations {

namespace {

QPointer<QTranslator> g_zarvo;
QPointer<QTranslator> g_qt;

// A catalogue of `prefix` for `language` ("de_DE" falls back to "de") from the first folder that has it.
QTranslator* load(const QString& prefix, const QString& language, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders)
        if (translator->load(QLocale(language), prefix, QStringLiteral("_"), folder)) return translator;
    delete translator;
    return nullptr;
}

void replace(QPointer<QTranslator>& slot, QTranslator* translator) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot.data();
    }
    slot = translator;
    if (translator) QCoreApplication::installTranslator(translator);
}

} // namespace

QStringList preferredLanguages() {
    QStringList languages;
    for (const QString& language : QLocale::system().uiLanguages()) {
        // "C" and "POSIX" name no language; Qt spells the rest "de-DE".
        if (language == QLatin1String("C") || language == QLatin1String("POSIX")) continue;
        languages.append(QString(language).replace(QLatin1Char('-'), QLatin1Char('_')));
    }
    return languages;
}

QString install(const QStringList& folders, const QStringList& languages) {
    if (!QCoreApplication::instance()) return QStringLiteral("en");
    QString chosen = QStringLiteral("en");
    QTranslator* zarvo = nullptr;
    for (const QString& language : languages) {
        if (language.startsWith(QLatin1String("en"))) break;
        if ((zarvo = load(QStringLiteral("zarvo"), language, folders))) {
            chosen = language;
            break;
        }
    }
    if (!zarvo) zarvo = load(QStringLiteral("zarvo"), chosen, folders);
    QTranslator* qt =
        chosen == QLatin1String("en")
            ? nullptr
            : load(QStringLiteral("qtbase"), chosen, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    // Qt looks in the translator installed last first: ours goes in after Qt's.
    replace(g_qt, qt);
    replace(g_zarvo, zarvo);
    return chosen;
}

} // namespace zarvo::Translations
