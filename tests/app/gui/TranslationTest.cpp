// The windows follow the desktop's language where Lumora is translated, English otherwise.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "GuiTestSupport.h"
#include "app/Translations.h"

using namespace lum;

namespace {

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars) env.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    return env;
}

// A caption of Lumora's own: the Gaussian blur dialog's title.
QString BlurCaption() { return QCoreApplication::translate("BlurDialog", "Gaussian Blur"); }

QString CancelCaption() {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

const QStringList kBuildTree{QStringLiteral(LUMORA_TRANSLATIONS_DIR)};

}  // namespace

TEST(Translation, DesktopLanguagesAreReadAsGettextReadsThem) {
    const struct {
        QProcessEnvironment env;
        QStringList languages;
    } cases[] = {
        {Env({{"LANG", "fr_FR.UTF-8"}}), {"fr_FR"}},
        {Env({{"LANG", "de_DE@euro"}}), {"de_DE"}},
        {Env({{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "fr_CA.UTF-8"}}), {"fr_CA"}},
        {Env({{"LC_MESSAGES", "fr_CA.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}), {"es_ES"}},
        {Env({{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "de:fr_BE:de"}}), {"de", "fr_BE", "fr_FR"}},
        {Env({{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}), {}},  // LANGUAGE needs a real locale
        {Env({{"LANG", "POSIX"}}), {}},
        {Env({{"LANGUAGE", "fr"}}), {}},
        {Env({}), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(DesktopLanguages(c.env), c.languages) << c.env.toStringList().join(' ').toStdString();
}

TEST(Translation, FrenchDesktopGetsFrenchCaptionsAndUnknownLanguagesEnglish) {
    guitest::App();
    {
        UiTranslation french;
        EXPECT_EQ(french.Load(DesktopLanguages(Env({{"LANG", "fr_FR.UTF-8"}})), kBuildTree), QStringLiteral("fr"));
        EXPECT_EQ(BlurCaption(), QStringLiteral("Flou gaussien"));
        EXPECT_EQ(CancelCaption(), QStringLiteral("Annuler"));  // Qt's own buttons follow
    }
    // Gone with the translation.
    EXPECT_EQ(BlurCaption(), QStringLiteral("Gaussian Blur"));
    EXPECT_EQ(CancelCaption(), QStringLiteral("Cancel"));
    const struct {
        QProcessEnvironment env;
        const char* language;
    } cases[] = {
        {Env({{"LANG", "xx_YY.UTF-8"}}), ""},
        {Env({{"LANG", "en_US.UTF-8"}}), ""},
        {Env({{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "en:fr"}}), ""},  // English comes first
        {Env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:fr"}}), "fr"},  // no German: the next one
        {Env({{"LC_ALL", "fr_CH.UTF-8"}}), "fr"},
    };
    for (const auto& c : cases) {
        UiTranslation t;
        EXPECT_EQ(t.Load(DesktopLanguages(c.env), kBuildTree), QString::fromLatin1(c.language))
            << c.env.toStringList().join(' ').toStdString();
        EXPECT_EQ(BlurCaption(), *c.language ? QStringLiteral("Flou gaussien") : QStringLiteral("Gaussian Blur"));
        EXPECT_EQ(CancelCaption(), *c.language ? QStringLiteral("Annuler") : QStringLiteral("Cancel"));
    }
    UiTranslation nowhere;
    EXPECT_EQ(nowhere.Load({QStringLiteral("fr_FR")}, {QStringLiteral("/nonexistent/translations")}), QString());
}

TEST(Translation, FoldersAreBesideTheProgramAndInItsShareFolder) {
    guitest::App();
    const QString bin = QCoreApplication::applicationDirPath();
    const QStringList folders = TranslationFolders();
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], bin + QStringLiteral("/translations"));
    EXPECT_EQ(folders[1], QDir::cleanPath(bin + QStringLiteral("/../share/lumora/translations")));
}

namespace {

// The placeholders a translation must keep ("%1", "%2" ...), sorted.
QStringList Placeholders(const QString& text) {
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext()) found << it.next().captured();
    found.sort();
    return found;
}

// A menu key: a '&' before a letter ("&&" is a plain ampersand).
bool HasMenuKey(QString text) { return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&')); }

}  // namespace

// Every text of a kept translation is translated, with its placeholders and its menu key.
TEST(Translation, KeptTranslationsAreCompleteAndKeepPlaceholdersAndMenuKeys) {
    for (const QString& path : QStringLiteral(LUMORA_TS_FILES).split(QLatin1Char(';'))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        int messages = 0;
        QString context, source;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString translation = xml.readElementText();
                const std::string where = (path + QStringLiteral(": ") + context + QStringLiteral(": ") + source).toStdString();
                ++messages;
                EXPECT_TRUE(type.isEmpty()) << where << " is " << type.toStdString();
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
                EXPECT_EQ(HasMenuKey(translation), HasMenuKey(source)) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 0) << path.toStdString();
    }
}
