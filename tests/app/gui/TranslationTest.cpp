// SPDX-License-Identifier: GPL-3.0-or-later
// The windows follow the desktop's language where Lumora is translated, English otherwise.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "GuiTestSupport.h"
#include "app/BatchDialog.h"
#include "app/Translations.h"
#include "image/PhotoNotice.h"
#include "widgets/QtPrompts.h"

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
    {
        UiTranslation german;
        EXPECT_EQ(german.Load(DesktopLanguages(Env({{"LANG", "de_DE.UTF-8"}})), kBuildTree), QStringLiteral("de"));
        EXPECT_EQ(BlurCaption(), QStringLiteral("Gaußscher Weichzeichner"));
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
        {Env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:fr"}}), "fr"},  // no Italian: the next one
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
    for (const QString& path : QStringLiteral(LUMORA_TS_FILES).split(QLatin1Char('|'))) {
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
                // French punctuation never wraps away from its word.
                if (path.endsWith(QLatin1String("_fr.ts")))
                    EXPECT_FALSE(translation.contains(QRegularExpression(QStringLiteral(" [!?:;\u00bb]|\u00ab ")))) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 0) << path.toStdString();
    }
}

// A reader's message is worded whole in the window's language, whatever fills it.
TEST(Translation, ReaderMessagesAreWordedWholeInTheWindowsLanguage) {
    guitest::App();
    DecodeReport cut;
    cut.warnings = {"Premature end of JPEG file"};
    cut.kind = DamageKind::EndsEarly;
    const auto refusal = [](auto&& step) -> Words {
        try {
            step();
        } catch (const ImageTooLarge& e) {
            return e.words();
        }
        return Words();
    };
    const Words bomb = refusal([] { Image::checkSize(40000, 40000); });
    Words unwritable;
    try {
        WriteFileAtomic("/nonexistent/x.jpg", {1, 2, 3});
    } catch (const CodecError& e) {
        unwritable = e.words();
    }
    const struct {
        Words words;
        const char* english;
        const char* french;
        const char* german;
    } cases[] = {
        {NoticeForLoad("x%2.jpg", cut).words,
         "x%2.jpg is damaged: the lower part of the picture is missing (the file ends early). The decoder said: "
         "Premature end of JPEG file",
         "x%2.jpg est endommagé\u00a0: la partie basse de l'image manque (le fichier se termine trop tôt). Le décodeur "
         "a indiqué\u00a0: Premature end of JPEG file",
         "x%2.jpg ist beschädigt: der untere Teil des Bildes fehlt (die Datei endet zu früh). Der Decoder meldete: "
         "Premature end of JPEG file"},
        {NoticeForFailure("big.jpg", CodecError(bomb)).words,
         "big.jpg: Image too large: 40000 x 40000 pixels (the limit is 250 megapixels)",
         "big.jpg\u00a0: Image trop grande\u00a0: 40000 x 40000 pixels (la limite est de 250 mégapixels)",
         "big.jpg: Bild zu groß: 40000 x 40000 Pixel (die Grenze liegt bei 250 Megapixeln)"},
        {NoticeForFailure("t.tif", CodecError(Words("%1 error: %2", {std::string("TIFF"), Words("its data is damaged")}))).words,
         "TIFF error in t.tif: its data is damaged", "Erreur TIFF dans t.tif\u00a0: ses données sont endommagées",
         "TIFF-Fehler in t.tif: seine Daten sind beschädigt"},
        // The system's reason too, not strerror's English.
        {unwritable, "Cannot write \"/nonexistent/x.jpg\": No such file or directory",
         "Impossible d'écrire «\u00a0/nonexistent/x.jpg\u00a0»\u00a0: Aucun fichier ou dossier de ce nom",
         "„/nonexistent/x.jpg“ kann nicht geschrieben werden: Datei oder Ordner nicht gefunden"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.words.English(), c.english);
        EXPECT_EQ(Worded(c.words), QString::fromUtf8(c.english));
        for (const auto& [language, text] : {std::pair{"fr_FR", c.french}, std::pair{"de_DE", c.german}}) {
            UiTranslation t;
            ASSERT_FALSE(t.Load({QString::fromLatin1(language)}, kBuildTree).isEmpty());
            EXPECT_EQ(Worded(c.words), QString::fromUtf8(text)) << language;
        }
    }
}

// The decoder's warnings and failures are told in the window's language; a code no photo meets
// keeps the library's own words.
TEST(Translation, DecoderWordsFollowTheWindowsLanguage) {
    guitest::App();
    UiTranslation french;
    ASSERT_FALSE(french.Load({QStringLiteral("fr_FR")}, kBuildTree).isEmpty());
    LoadedPicture cut = LoadPicture(std::string(LUMORA_TEST_DATA) + "/broken/truncated_half.jpg");
    const auto failure = [](const char* name) {
        try {
            LoadPicture(std::string(LUMORA_TEST_DATA) + "/broken/" + name);
        } catch (const std::exception& e) {
            return NoticeForFailure(name, e).words;
        }
        return Words();
    };
    const struct {
        Words words;
        const char* french;
    } cases[] = {
        {JpegDecoderWords(JWRN_JPEG_EOF, "Premature end of JPEG file"), "le fichier se termine avant la fin de l'image"},
        {JpegDecoderWords(JWRN_HUFF_BAD_CODE, "Corrupt JPEG data: bad Huffman code"), "les données de l'image sont brouillées"},
        {JpegDecoderWordsOf("Bogus DHT index 9"), "une table nécessaire au décodage de l'image manque ou est endommagée"},
        {JpegDecoderWords(JERR_BAD_STATE, "Improper call to JPEG library in state 200"),
         "Improper call to JPEG library in state 200"},
        {DecoderWords(cut.report),
         "le fichier se termine avant la fin de l'image\u00a0; les données de l'image s'interrompent avant la fin"},
        {failure("header_only.jpg"), "Erreur JPEG n° 59 dans header_only.jpg\u00a0: le fichier ne contient aucune donnée d'image"},
        {failure("bad_huffman_table.jpg"),
         "Erreur JPEG n° 8 dans bad_huffman_table.jpg\u00a0: une table nécessaire au décodage de l'image manque ou est "
         "endommagée"},
    };
    for (const auto& c : cases) EXPECT_EQ(Worded(c.words), QString::fromUtf8(c.french)) << c.words.English();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(TimeLeftText(3 * 3600 + 1000), QStringLiteral("Encore environ 3,3 heures"));  // a free function's text
    QLocale::setDefault(QLocale::c());
}
