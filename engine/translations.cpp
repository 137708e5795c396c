#include "engine/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace lumaskin {

QString TranslationsFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/lumaskin/translations"));
}

void InstallTranslations()
{
    // Loaded once, kept for the program's life: an application object made later installs
    // the same ones.
    static const std::vector<std::unique_ptr<QTranslator>> translators = [] {
        std::vector<std::unique_ptr<QTranslator>> loaded;
        const QLocale locale = QLocale::system();
        const auto load = [&](const QString &name, const QString &folder) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(locale, name, QStringLiteral("_"), folder))
                loaded.push_back(std::move(translator));
        };
        load(QStringLiteral("lumaskin"), TranslationsFolder());
        load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return loaded;
    }();
    for (const auto &translator : translators)
        QCoreApplication::installTranslator(translator.get());
}

} // namespace lumaskin
