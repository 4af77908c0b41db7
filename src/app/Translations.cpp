// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace lum {

namespace {

// "fr_FR.UTF-8@euro" -> "fr_FR"; "C" and "POSIX" -> "".
QString LocaleName(QString value) {
    value = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    if (value == QLatin1String("C") || value == QLatin1String("POSIX")) return QString();
    return value;
}

bool IsEnglish(const QString& name) { return name.section(QLatin1Char('_'), 0, 0) == QLatin1String("en"); }

}  // namespace

QStringList DesktopLanguages(const QProcessEnvironment& env) {
    QString locale;
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(QLatin1String(var));
        if (!locale.isEmpty()) break;
    }
    const QString name = LocaleName(locale);
    if (name.isEmpty()) return {};
    QStringList languages;
    for (const QString& entry : env.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString language = LocaleName(entry);
        if (!language.isEmpty() && !languages.contains(language)) languages << language;
    }
    if (!languages.contains(name)) languages << name;
    return languages;
}

QStringList TranslationFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/translations"),
            QDir::cleanPath(bin + QStringLiteral("/../share/lumora/translations"))};
}

UiTranslation::UiTranslation() = default;

UiTranslation::~UiTranslation() { Unload(); }

void UiTranslation::Unload() {
    if (own_) QCoreApplication::removeTranslator(own_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    own_.reset();
    qt_.reset();
    language_.clear();
}

QString UiTranslation::Load(const QStringList& languages, const QStringList& folders) {
    Unload();
    for (const QString& name : languages) {
        if (IsEnglish(name)) return language_;
        // "fr_FR" is served by lumora_fr_FR.qm, else by lumora_fr.qm.
        QStringList candidates{name};
        if (name.contains(QLatin1Char('_'))) candidates << name.section(QLatin1Char('_'), 0, 0);
        for (const QString& candidate : candidates) {
            for (const QString& folder : folders) {
                const QString file = folder + QStringLiteral("/lumora_") + candidate + QStringLiteral(".qm");
                if (!QFileInfo(file).isFile()) continue;
                auto own = std::make_unique<QTranslator>();
                if (!own->load(file)) continue;
                own_ = std::move(own);
                QCoreApplication::installTranslator(own_.get());
                auto qt = std::make_unique<QTranslator>();
                if (qt->load(QStringLiteral("qtbase_") + candidate, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                    qt_ = std::move(qt);
                    QCoreApplication::installTranslator(qt_.get());
                }
                language_ = candidate;
                return language_;
            }
        }
    }
    return language_;
}

}  // namespace lum
