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
        EXPECT_EQ(CancelCaption(), QStringLiteral("Annuler"));  // Qt's own buttons follow
    }
    EXPECT_EQ(CancelCaption(), QStringLiteral("Cancel"));  // gone with the translation
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
