#include "../search/PanelHarness.h"

#include "app/StatusMenu.h"
#include "platform/HotKeyManager.h"
#include "platform/Translations.h"
#include "store/HotKeyRegistration.h"
#include "ui/SearchView.h"
#include "ui/SettingsView.h"
#include "ui/SettingsWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::ui;
using zarvo::testing::Panel;

namespace {

// English texts the catalogue translates, as patterns (%1, %n stand for anything; plurals in English).
QList<QRegularExpression> translatedEnglish(const QString& language) {
    QList<QRegularExpression> patterns;
    const auto add = [&patterns](const QString& english) {
        QString pattern = QRegularExpression::escape(english);
        pattern.replace(QRegularExpression(QStringLiteral("%L?[0-9n]")), QStringLiteral(".*"));
        patterns << QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
    };
    for (const QString& name : {language, QStringLiteral("en")}) {
        QFile file(QStringLiteral(ZARVO_SOURCE_DIR "/translations/zarvo_%1.ts").arg(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == language && xml.name() == QLatin1String("translation")) {
                // The language's own finished entries; from the English catalogue its plural forms.
                const bool finished = xml.attributes().isEmpty();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (finished && !text.isEmpty() && text != source) add(source);
            } else if (name == QLatin1String("en") && xml.name() == QLatin1String("numerusform")) {
                add(xml.readElementText());
            }
        }
    }
    return patterns;
}

// What a window shows or reads out, rich text as its words, each line and footer part on its own.
QStringList shownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        texts << w->toolTip() << w->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << (Qt::mightBeRichText(label->text())
                          ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                          : label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (const auto* field = qobject_cast<const QLineEdit*>(w)) texts << field->placeholderText();
        if (const auto* box = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
    }
    QStringList parts;
    static const QRegularExpression breaks(QStringLiteral("\\n|[\\s\\x{00A0}]{3,}"));
    static const QRegularExpression keys(QStringLiteral("^(esc|\\S*[\\x{2318}\\x{2325}\\x{2303}\\x{21E7}"
                                                        "\\x{21A9}\\x{232B}]\\S*) "));
    for (const QString& text : texts)
        for (const QString& part : text.split(breaks, Qt::SkipEmptyParts))
            parts << part.trimmed() << part.trimmed().remove(keys); // "↩ Open": the key and its title
    parts.removeDuplicates();
    return parts;
}

} // namespace

// Under German and French no view shows English the catalogue translates (unwrapped, or in a wrong context).
TEST(TranslatedViewsTest, PanelSettingsAndMenuShowNoEnglishTheCatalogueTranslates) {
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("fr")}) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {language}), language);
        const QList<QRegularExpression> english = translatedEnglish(language);
        ASSERT_GT(english.size(), 100);

        Panel f;
        QStringList shown;
        {
            SearchView view{SearchView::Services{f.model, f.settings, f.favorites, &f.clips, &f.p.workspace}};
            view.resize(720, 480);
            view.show();
            shown << shownTexts(view);
            f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
            shown << shownTexts(view);
            f.addTextClip(QStringLiteral("first copy"));
            f.model.modes().prepareForShow(true);
            shown << shownTexts(view);
        }
        HotKeyManager keys{&f.p.hotKeys, &f.p.desktopShortcuts};
        HotKeyRegistration registration{f.settings, keys};
        SettingsView::Services services{f.settings,   f.history, &f.clips, &f.p.workspace,
                                        registration, {},        "1.2"};
        services.platform = &f.p.platform;
        SettingsWindow window(std::move(services));
        window.show();
        shown << shownTexts(window);
        app::StatusMenu menu(f.settings, {});
        for (const QAction* item : menu.menu()->actions())
            shown << item->text();

        ASSERT_TRUE(shown.contains(QStringLiteral("Zarvo-Einstellungen")) ||
                    shown.contains(QStringLiteral("Paramètres de Zarvo")));
        QStringList found;
        for (const QString& text : shown)
            for (const QRegularExpression& pattern : english)
                if (pattern.match(text).hasMatch())
                    found << text + QStringLiteral("  (") + pattern.pattern() + ')';
        EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    }
    Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {QStringLiteral("en")});
}
