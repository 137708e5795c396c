#include "engine/effects/effect_step.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace lumaskin {

namespace {

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool ParseNumber(const QString &text, ArgumentKind kind, double *value)
{
    bool ok = false;
    const QString t = text.trimmed();
    if (kind == ArgumentKind::Colour && t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = static_cast<double>(t.mid(2).toULongLong(&ok, 16));
    else
        *value = t.toDouble(&ok);
    return ok;
}

} // namespace

QString ArgumentText(const EffectArgument &argument, double value)
{
    // Colours as hexadecimal while they are whole numbers an unsigned 64-bit number holds.
    if (argument.kind == ArgumentKind::Colour && value >= 0 && value < 0x1p64 &&
        value == std::trunc(value))
        return QStringLiteral("0x") + QString::number(static_cast<qulonglong>(value), 16)
                                          .toUpper()
                                          .rightJustified(6, u'0');
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    // The shortest text that reads back as the same number.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString EffectStep::Text() const
{
    if (!effect)
        return {};
    QString text = Utf8(effect->command);
    QStringList values;
    for (std::size_t i = 0; i < arguments.size() && i < effect->arguments.size(); ++i)
        values << ArgumentText(effect->arguments[i], arguments[i]);
    if (!values.isEmpty())
        text += u'=' + values.join(u',');
    return text;
}

std::optional<EffectStep> EffectStep::Parse(const QString &text, QString *error)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    const QString name = (eq < 0 ? text : text.left(eq)).trimmed();
    const EffectDescriptor *effect = FindEffect(name.toStdString());
    if (!effect) {
        *error =
            QCoreApplication::translate("Effects", "unknown effect \"%1\" (see --help)").arg(name);
        return std::nullopt;
    }
    EffectStep step{effect, {}};
    if (eq < 0)
        return step;
    const QStringList values = text.mid(eq + 1).split(QLatin1Char(','));
    if (values.size() > static_cast<qsizetype>(effect->arguments.size())) {
        *error = QCoreApplication::translate("Effects", "%1 takes %2 argument(s), %3 given")
                     .arg(name)
                     .arg(effect->arguments.size())
                     .arg(values.size());
        return std::nullopt;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const EffectArgument &argument = effect->arguments[static_cast<std::size_t>(i)];
        double value = 0;
        if (!ParseNumber(values[i], argument.kind, &value)) {
            *error = QStringLiteral("%1: \"%2\" is not a number for %3")
                         .arg(name, values[i], Utf8(argument.name));
            return std::nullopt;
        }
        step.arguments.push_back(value);
    }
    return step;
}

} // namespace lumaskin
