#include "engine/steps/watermark_step.h"

#include "engine/image_io.h"
#include "engine/steps/geometry_text.h"
#include "engine/steps/resize_step.h"
#include "engine/steps/text_mark.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace lumaskin {

namespace {

// Sizes beyond these would only make marks far larger than any picture.
constexpr double kLargestPixels = 100000;
constexpr double kLargestPercent = 1000;

constexpr const char *kPositionNames[] = {
    "top-left", "top",         "top-right", "left",         "centre",
    "right",    "bottom-left", "bottom",    "bottom-right",
};

bool Refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString Escaped(QString value)
{
    return value.replace(u'\\', QLatin1String("\\\\")).replace(u';', QLatin1String("\\;"));
}

// The `key=value` pairs of the text, escapes undone; nothing when a '\' ends it or a pair has
// no '='.
std::optional<std::vector<std::pair<QString, QString>>> Pairs(const QString &text, QString *error)
{
    std::vector<std::pair<QString, QString>> pairs;
    QString key;
    QString value;
    bool inValue = false;
    const auto finish = [&]() {
        if (!inValue && key.trimmed().isEmpty())
            return true; // an empty part, as after a trailing ';'
        if (!inValue)
            return Refuse(
                error, QStringLiteral("\"%1\" in a watermark has no value (KEY=VALUE)").arg(key));
        pairs.emplace_back(key.trimmed().toLower(), value);
        key.clear();
        value.clear();
        inValue = false;
        return true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\') {
            if (++i == text.size()) {
                Refuse(error, QCoreApplication::translate("Steps",
                                                          "a watermark's text ends in a lone \\"));
                return std::nullopt;
            }
            c = text[i];
        } else if (c == u';') {
            if (!finish())
                return std::nullopt;
            continue;
        } else if (c == u'=' && !inValue) {
            inValue = true;
            continue;
        }
        (inValue ? value : key) += c;
    }
    if (!finish())
        return std::nullopt;
    return pairs;
}

} // namespace

QStringList WatermarkPositionNames()
{
    QStringList names;
    for (const char *name : kPositionNames)
        names << QLatin1String(name);
    return names;
}

bool WatermarkStep::SetSize(const QString &value, QString *error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(%1)(%|px)?$").arg(QLatin1String(kDecimalPattern)));
    const QRegularExpressionMatch match = pattern.match(value.trimmed());
    const double number = match.hasMatch() ? match.captured(1).toDouble() : 0;
    const bool share = match.captured(2) == u"%";
    if (!match.hasMatch() || number <= 0 || number > (share ? kLargestPercent : kLargestPixels))
        return Refuse(error, QStringLiteral("\"%1\" is not a watermark size: give pixels (\"48\") "
                                            "or a share of the picture's width (\"5%\"), above 0")
                                 .arg(value));
    size = number;
    percent = share;
    return true;
}

bool WatermarkStep::SetColour(const QString &value, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = pattern.match(value.trimmed());
    if (!match.hasMatch())
        return Refuse(
            error, QStringLiteral("\"%1\" is not a colour: give #RRGGBB, such as #FFFFFF for white")
                       .arg(value));
    colour = match.captured(1).toUInt(nullptr, 16);
    return true;
}

bool WatermarkStep::SetOpacity(const QString &value, QString *error)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < 0 || number > 100)
        return Refuse(
            error, QStringLiteral("\"%1\" is not an opacity: give 0 to 100 (per cent)").arg(value));
    opacity = number;
    return true;
}

bool WatermarkStep::SetPosition(const QString &value, QString *error)
{
    QString name = value.trimmed().toLower();
    if (name == u"center")
        name = QStringLiteral("centre");
    const qsizetype index = WatermarkPositionNames().indexOf(name);
    if (index < 0)
        return Refuse(error, QStringLiteral("\"%1\" is not a position: give one of %2")
                                 .arg(value, WatermarkPositionNames().join(QStringLiteral(", "))));
    position = static_cast<Position>(index);
    return true;
}

bool WatermarkStep::SetMargin(const QString &value, QString *error)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < 0 || number > Image::kMaxSide)
        return Refuse(error,
                      QStringLiteral("\"%1\" is not a margin: give pixels, 0 or more").arg(value));
    margin = number;
    return true;
}

QString WatermarkStep::Text() const
{
    QStringList parts;
    parts << (IsText() ? QStringLiteral("text=") + Escaped(text)
                       : QStringLiteral("image=") + Escaped(image));
    if (IsText())
        parts << QStringLiteral("font=") + Escaped(font);
    parts << QStringLiteral("size=") + DecimalText(size) +
                 (percent ? QStringLiteral("%") : QString());
    if (IsText())
        parts << QStringLiteral("colour=#%1").arg(colour, 6, 16, QLatin1Char('0')).toUpper();
    parts << QStringLiteral("opacity=%1").arg(opacity)
          << QStringLiteral("position=") + QLatin1String(kPositionNames[static_cast<int>(position)])
          << QStringLiteral("margin=%1").arg(margin);
    return parts.join(u';');
}

std::optional<WatermarkStep> WatermarkStep::Parse(const QString &text, QString *error)
{
    const auto pairs = Pairs(text, error);
    if (!pairs)
        return std::nullopt;
    WatermarkStep step;
    bool sized = false;
    for (const auto &[key, value] : *pairs) {
        bool ok = true;
        if (key == u"text")
            step.text = value;
        else if (key == u"image")
            step.image = value;
        else if (key == u"font")
            step.font = value.trimmed().isEmpty() ? step.font : value.trimmed();
        else if (key == u"size")
            ok = sized = step.SetSize(value, error);
        else if (key == u"colour" || key == u"color")
            ok = step.SetColour(value, error);
        else if (key == u"opacity")
            ok = step.SetOpacity(value, error);
        else if (key == u"position")
            ok = step.SetPosition(value, error);
        else if (key == u"margin")
            ok = step.SetMargin(value, error);
        else
            ok = Refuse(error, QCoreApplication::translate(
                                   "Steps", "a watermark has no setting \"%1\" (text, image, font, "
                                            "size, colour, opacity, position, margin)")
                                   .arg(key));
        if (!ok)
            return std::nullopt;
    }
    if (step.text.isEmpty() == step.image.isEmpty()) {
        Refuse(error,
               step.text.isEmpty()
                   ? QCoreApplication::translate("Steps", "a watermark needs a text or an image")
                   : QCoreApplication::translate("Steps",
                                                 "a watermark is a text or an image, not both"));
        return std::nullopt;
    }
    if (!sized && !step.IsText())
        step.size = 20; // a picture mark a fifth of the picture's width
    return step;
}

bool WatermarkStep::Load(QString *error)
{
    if (IsText() || picture)
        return true;
    QString why;
    Image read = ReadImage(image, &why);
    if (read.IsNull())
        return Refuse(error, QCoreApplication::translate(
                                 "Steps", "the watermark picture \"%1\" cannot be read: %2")
                                 .arg(image, why));
    picture = std::make_shared<const Image>(std::move(read));
    return true;
}

QPoint WatermarkStep::Place(QSize area, QSize mark) const
{
    const int column = static_cast<int>(position) % 3;
    const int row = static_cast<int>(position) / 3;
    const auto along = [this](int place, int room, int length) {
        if (place == 0)
            return margin;
        if (place == 2)
            return room - length - margin;
        const int spare = room - length;
        return spare >= 0 ? spare / 2 : -((-spare + 1) / 2);
    };
    return {along(column, area.width(), mark.width()), along(row, area.height(), mark.height())};
}

bool WatermarkStep::Apply(Image &target, QString *error) const
{
    if (target.IsNull())
        return true;
    const double length = percent ? size * target.Width() / 100 : size;
    const int pixels = static_cast<int>(std::clamp(std::round(length), 1.0, kLargestPixels));
    if (IsText()) {
        const Image mark = RenderTextMark(text, font, pixels, colour, error);
        if (mark.IsNull())
            return false;
        BlendOver(target, mark,
                  Place({target.Width(), target.Height()}, {mark.Width(), mark.Height()}), opacity);
        return true;
    }
    std::shared_ptr<const Image> source = picture;
    if (!source) {
        WatermarkStep loaded = *this;
        if (!loaded.Load(error))
            return false;
        source = loaded.picture;
    }
    const int height = static_cast<int>(
        std::clamp(std::round(static_cast<double>(source->Height()) * pixels / source->Width()),
                   1.0, kLargestPixels));
    Image scaled;
    const Image *mark = source.get();
    if (pixels != source->Width() || height != source->Height()) {
        scaled = source->Clone();
        const ResizeStep resize{.width = pixels, .height = height, .fit = ResizeStep::Fit::Exact};
        if (scaled.IsNull() || !resize.Apply(scaled, error))
            return Refuse(error, error && !error->isEmpty()
                                     ? *error
                                     : QCoreApplication::translate(
                                           "Steps", "there is not enough memory for the picture"));
        mark = &scaled;
    }
    BlendOver(target, *mark,
              Place({target.Width(), target.Height()}, {mark->Width(), mark->Height()}), opacity);
    return true;
}

void BlendOver(Image &image, const Image &mark, QPoint at, int opacity)
{
    const float strength = static_cast<float>(std::clamp(opacity, 0, 100)) / 100.0f;
    const int left = std::max(0, at.x());
    const int right = std::min(image.Width(), at.x() + mark.Width());
    const int top = std::max(0, at.y());
    const int bottom = std::min(image.Height(), at.y() + mark.Height());
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t *m = mark.Pixel(left - at.x(), y - at.y());
        std::uint8_t *d = image.Pixel(left, y);
        for (int x = left; x < right; ++x, m += 4, d += 4) {
            // Both premultiplied, the mark over the picture, then straight again.
            const float a = static_cast<float>(m[3]) / 255.0f * strength;
            if (a <= 0.0f)
                continue;
            const float below = static_cast<float>(d[3]) / 255.0f * (1.0f - a);
            const float out = a + below;
            for (int c = 0; c < 3; ++c) {
                const float premultiplied =
                    static_cast<float>(m[c]) * a + static_cast<float>(d[c]) * below;
                d[c] = static_cast<std::uint8_t>(
                    std::clamp(std::lround(premultiplied / out), 0L, 255L));
            }
            d[3] = static_cast<std::uint8_t>(std::clamp(std::lround(out * 255.0f), 0L, 255L));
        }
    }
}

} // namespace lumaskin
