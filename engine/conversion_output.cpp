#include "engine/conversion_output.h"

#include "engine/formats.h"

#include <QCoreApplication>
#include <QStringList>

namespace lumaskin {

namespace {

bool Refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QString ConversionOutput::Text() const
{
    QStringList parts{format};
    for (const Step &step : steps)
        if (std::holds_alternative<ResizeStep>(step))
            parts << StepText(step);
    if (quality)
        parts << QStringLiteral("quality=%1").arg(*quality);
    if (!suffix.isEmpty())
        parts << QStringLiteral("suffix=") + suffix;
    return parts.join(u':');
}

std::optional<ConversionOutput> ConversionOutput::Parse(const QString &text, QString *error)
{
    ConversionOutput output;
    // The suffix takes the rest of the text, colons and all.
    const qsizetype suffixAt = text.indexOf(QLatin1String(":suffix="));
    const QString head = suffixAt < 0 ? text : text.left(suffixAt);
    if (suffixAt >= 0)
        output.suffix = text.mid(suffixAt + 8);
    const QStringList parts = head.split(u':');
    output.format = parts.first().trimmed().toLower();
    if (!WritableFormats().contains(output.format)) {
        Refuse(error, QStringLiteral("\"%1\" is not a format written; choose one of: %2")
                          .arg(parts.first(), WritableFormats().join(u' ')));
        return std::nullopt;
    }
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.startsWith(QLatin1String("quality="))) {
            bool ok = false;
            const int quality = part.mid(8).toInt(&ok);
            if (!ok || quality < 1 || quality > 100) {
                Refuse(error, QStringLiteral("\"%1\" is not a quality: give 1 to 100").arg(part));
                return std::nullopt;
            }
            output.quality = quality;
        } else if (i == 1 && output.steps.empty()) {
            std::optional<ResizeStep> resize = ResizeStep::Parse(part, error);
            if (!resize)
                return std::nullopt;
            output.steps.emplace_back(*resize);
        } else {
            Refuse(error, QStringLiteral("\"%1\" in \"%2\" is neither a size (it comes right after "
                                         "the format), quality=N nor suffix=TEXT")
                              .arg(part, text));
            return std::nullopt;
        }
    }
    if (output.suffix.contains(u'/')) {
        Refuse(error,
               QCoreApplication::translate("ConversionOutput", "the suffix \"%1\" holds a '/'")
                   .arg(output.suffix));
        return std::nullopt;
    }
    return output;
}

} // namespace lumaskin
