// lumaskin-skingen: paints the bundled skins from their theme descriptions.
//
//   lumaskin-skingen --theme THEME.ini --out FOLDER
//       writes the skin's Skin.ini and bitmaps (each also at twice the size, as NAME@2x.bmp)
//       into FOLDER, ready to be packed;
//   lumaskin-skingen --pack FOLDER --zip ARCHIVE
//       packs the files of FOLDER into a ZIP archive that is the same on every run;
//   lumaskin-skingen --preview FOLDER --png PICTURE.png [--scale 2] [--page PAGE.html --name NAME]
//       renders a picture of the skin in FOLDER from its own files, at twice the size from
//       its @2x bitmaps with --scale 2, with the notifier showing PAGE.html for the skin NAME;
//   lumaskin-skingen --words FILE
//       writes the list of the bundled skins' words for the translation catalogue.
#include "skins/generator/preview_renderer.h"
#include "skins/generator/skin_builder.h"
#include "skins/generator/skin_words.h"
#include "skins/generator/theme.h"
#include "zip/zip_writer.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "lumaskin-skingen: %s\n", qPrintable(message));
    return 1;
}

QString Option(const QStringList &args, const QString &name)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

} // namespace

int main(int argc, char **argv)
{
    // Text is rendered into bitmaps without any screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    using namespace lumaskin;
    using namespace lumaskin::skingen;

    const QString themePath = Option(args, QStringLiteral("--theme"));
    const QString out = Option(args, QStringLiteral("--out"));
    const QString previewFolder = Option(args, QStringLiteral("--preview"));
    const QString png = Option(args, QStringLiteral("--png"));
    const QString packFolder = Option(args, QStringLiteral("--pack"));
    const QString zip = Option(args, QStringLiteral("--zip"));
    const QString words = Option(args, QStringLiteral("--words"));
    QString error;
    if (!words.isEmpty()) {
        QFile file(words);
        const std::string source = SkinWordsSource();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(source.data(), static_cast<qint64>(source.size())) !=
                static_cast<qint64>(source.size()))
            return Fail(QStringLiteral("%1: cannot write").arg(words));
        return 0;
    }
    if (!themePath.isEmpty() && !out.isEmpty()) {
        const auto theme = LoadTheme(themePath, error);
        if (!theme)
            return Fail(error);
        const SkinContents contents = BuildSkin(*theme, error);
        if (!error.isEmpty())
            return Fail(error);
        if (!WriteSkin(contents, out, error))
            return Fail(error);
        return 0;
    }
    if (!packFolder.isEmpty() && !zip.isEmpty()) {
        if (!PackFolder(packFolder, zip, &error))
            return Fail(error);
        return 0;
    }
    if (!previewFolder.isEmpty() && !png.isEmpty()) {
        const QString scaleText = Option(args, QStringLiteral("--scale"));
        const int scale = scaleText.isEmpty() ? 1 : scaleText.toInt();
        if (scale != 1 && scale != 2)
            return Fail(QStringLiteral("--scale takes 1 or 2"));
        QString page;
        if (const QString pagePath = Option(args, QStringLiteral("--page")); !pagePath.isEmpty()) {
            QFile file(pagePath);
            if (!file.open(QIODevice::ReadOnly))
                return Fail(QStringLiteral("%1: cannot read").arg(pagePath));
            page = QString::fromUtf8(file.readAll())
                       .replace(QStringLiteral("{{SKIN}}"),
                                Option(args, QStringLiteral("--name")).toHtmlEscaped());
        }
        const QImage picture = RenderPreview(previewFolder, error, scale, page);
        if (picture.isNull())
            return Fail(error);
        if (!picture.save(png, "PNG"))
            return Fail(QStringLiteral("%1: cannot write").arg(png));
        return 0;
    }
    return Fail(QStringLiteral("usage: lumaskin-skingen --theme THEME.ini --out FOLDER\n"
                               "       lumaskin-skingen --pack FOLDER --zip ARCHIVE\n"
                               "       lumaskin-skingen --preview FOLDER --png PICTURE.png"
                               " [--scale 2]\n"
                               "       lumaskin-skingen --words FILE"));
}
