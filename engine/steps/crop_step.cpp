#include "engine/steps/crop_step.h"

#include "engine/codecs/codec.h"
#include "engine/steps/geometry_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace lumaskin {

namespace {

bool Refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString SignedText(int value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QString::number(std::abs(value));
}

} // namespace

QRect CropStep::Area(QSize size) const
{
    const QRect picture(QPoint(0, 0), size);
    switch (kind) {
    case Kind::Box:
        return QRect(x, y, width, height).intersected(picture);
    case Kind::Centred:
        return QRect((size.width() - width) / 2, (size.height() - height) / 2, width, height)
            .intersected(picture);
    case Kind::Aspect: {
        const double ratio = aspectWidth / aspectHeight;
        QSize kept = size;
        if (size.width() > size.height() * ratio)
            kept.setWidth(
                std::clamp(static_cast<int>(std::lround(size.height() * ratio)), 1, size.width()));
        else
            kept.setHeight(
                std::clamp(static_cast<int>(std::lround(size.width() / ratio)), 1, size.height()));
        return QRect(QPoint((size.width() - kept.width()) / 2, (size.height() - kept.height()) / 2),
                     kept)
            .intersected(picture);
    }
    }
    return {};
}

bool CropStep::Apply(Image &image, QString *error) const
{
    if (image.IsNull())
        return true;
    const QSize size(image.Width(), image.Height());
    const QRect area = Area(size);
    if (area.isEmpty())
        return Refuse(error,
                      QCoreApplication::translate(
                          "Steps", "the crop \"%1\" lies outside the picture (%2 x %3 pixels)")
                          .arg(Text())
                          .arg(size.width())
                          .arg(size.height()));
    if (area == QRect(QPoint(0, 0), size))
        return true;
    Image cut(area.width(), area.height());
    if (cut.IsNull())
        return Refuse(error, reason::OutOfMemory());
    cut.SetMetadata(image.Metadata());
    for (int row = 0; row < area.height(); ++row)
        std::memcpy(cut.Row(row), image.Pixel(area.x(), area.y() + row),
                    4 * static_cast<std::size_t>(area.width()));
    image = std::move(cut);
    return true;
}

QString CropStep::Text() const
{
    if (kind == Kind::Aspect)
        return DecimalText(aspectWidth) + u':' + DecimalText(aspectHeight);
    QString text = QStringLiteral("%1x%2").arg(width).arg(height);
    if (kind == Kind::Box)
        text += SignedText(x) + SignedText(y);
    return text;
}

std::optional<CropStep> CropStep::Parse(const QString &text, QString *error)
{
    static const QRegularExpression kBox(
        QStringLiteral(R"(^(\d+)[xX](\d+)(?:([+-]\d+)([+-]\d+))?$)"));
    static const QRegularExpression kAspect(
        QStringLiteral("^(%1):(%1)$").arg(QLatin1String(kDecimalPattern)));
    const QString geometry = text.trimmed();
    CropStep step;
    if (const QRegularExpressionMatch aspect = kAspect.match(geometry); aspect.hasMatch()) {
        step.kind = Kind::Aspect;
        step.aspectWidth = aspect.captured(1).toDouble();
        step.aspectHeight = aspect.captured(2).toDouble();
        // Ratios beyond any picture's would leave a sliver of one pixel.
        constexpr double kLimit = Image::kMaxSide;
        if (!(step.aspectWidth > 0 && step.aspectHeight > 0 && step.aspectWidth <= kLimit &&
              step.aspectHeight <= kLimit)) {
            Refuse(error, QStringLiteral("\"%1\": both sides of a ratio must be above 0 and at "
                                         "most %2")
                              .arg(text)
                              .arg(Image::kMaxSide));
            return std::nullopt;
        }
        return step;
    }
    const QRegularExpressionMatch box = kBox.match(geometry);
    if (!box.hasMatch()) {
        Refuse(error, QStringLiteral("\"%1\" is not a crop: give WxH+X+Y, WxH (centred) or a ratio "
                                     "such as 16:9")
                          .arg(text));
        return std::nullopt;
    }
    step.kind = box.captured(3).isEmpty() ? Kind::Centred : Kind::Box;
    for (const auto &[group, value] : {std::pair{1, &step.width}, std::pair{2, &step.height},
                                       std::pair{3, &step.x}, std::pair{4, &step.y}}) {
        if (box.captured(group).isEmpty())
            continue;
        bool ok = false;
        *value = box.captured(group).toInt(&ok);
        if (!ok || *value > Image::kMaxSide || *value < -Image::kMaxSide) {
            Refuse(
                error,
                QStringLiteral("\"%1\": %2 is beyond any picture").arg(text, box.captured(group)));
            return std::nullopt;
        }
    }
    if (step.width == 0 || step.height == 0) {
        Refuse(error, QStringLiteral("\"%1\": a side would measure 0 pixels").arg(text));
        return std::nullopt;
    }
    return step;
}

} // namespace lumaskin
