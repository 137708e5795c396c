#include "engine/steps/resize_step.h"

#include "engine/codecs/codec.h"
#include "engine/steps/geometry_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace lumaskin {

namespace {

bool Refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// A side worked out from a ratio: at least 1, and kept within int far beyond any picture.
int Side(double value)
{
    return static_cast<int>(std::clamp(std::round(value), 1.0, double{1 << 30}));
}

constexpr struct
{
    const char *name;
    ResizeFilter filter;
} kFilters[] = {
    {"lanczos", ResizeFilter::Lanczos3},
    {"linear", ResizeFilter::Linear},
    {"nearest", ResizeFilter::Nearest},
};

} // namespace

QString ResizeFilterName(ResizeFilter filter)
{
    for (const auto &row : kFilters)
        if (row.filter == filter)
            return QLatin1String(row.name);
    return {};
}

std::optional<ResizeFilter> ParseResizeFilter(const QString &name)
{
    for (const auto &row : kFilters)
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.filter;
    return std::nullopt;
}

QSize ResizeStep::TargetSize(QSize size) const
{
    const double w = size.width();
    const double h = size.height();
    if (w < 1 || h < 1)
        return size;
    QSize target;
    if (percent > 0) {
        target = QSize(Side(w * percent / 100), Side(h * percent / 100));
    } else if (height == 0) {
        target = QSize(width, Side(h * width / w));
    } else if (width == 0) {
        target = QSize(Side(w * height / h), height);
    } else if (fit == Fit::Exact) {
        target = QSize(width, height);
    } else {
        // The side that decides is met exactly; the other follows the aspect ratio.
        const bool byWidth = (width * h <= height * w) == (fit == Fit::Inside);
        target = byWidth ? QSize(width, Side(h * width / w)) : QSize(Side(w * height / h), height);
    }
    const bool shrinks = target.width() < size.width() || target.height() < size.height();
    const bool enlarges = target.width() > size.width() || target.height() > size.height();
    if ((only == Only::Shrink && !shrinks) || (only == Only::Enlarge && !enlarges))
        return size;
    return target;
}

bool ResizeStep::Apply(Image &image, QString *error) const
{
    const QSize size(image.Width(), image.Height());
    const QSize target = TargetSize(size);
    if (image.IsNull() || target == size)
        return true;
    if (!Image::SizeIsAcceptable(target.width(), target.height()))
        return Refuse(error, QCoreApplication::translate(
                                 "Steps", "resized to %1 x %2 pixels, the picture would be too "
                                          "large")
                                 .arg(target.width())
                                 .arg(target.height()));
    Image resized = Resampled(image, target.width(), target.height(), filter);
    if (resized.IsNull())
        return Refuse(error, reason::OutOfMemory());
    image = std::move(resized);
    return true;
}

QString ResizeStep::Text() const
{
    QString text;
    if (percent > 0) {
        text = DecimalText(percent) + u'%';
    } else {
        if (width > 0)
            text += QString::number(width);
        if (height > 0)
            text += u'x' + QString::number(height);
        if (fit == Fit::Cover)
            text += u'^';
        else if (fit == Fit::Exact)
            text += u'!';
    }
    if (only == Only::Shrink)
        text += u'>';
    else if (only == Only::Enlarge)
        text += u'<';
    if (filter != ResizeFilter::Lanczos3)
        text += u',' + ResizeFilterName(filter);
    return text;
}

std::optional<ResizeStep> ResizeStep::Parse(const QString &text, QString *error)
{
    static const QRegularExpression kGeometry(
        QStringLiteral(R"(^(?:(%1)%|(\d+)?(?:[xX](\d+)?)?([\^!])?)([<>])?$)")
            .arg(QLatin1String(kDecimalPattern)));
    const qsizetype comma = text.indexOf(u',');
    const QString geometry = text.left(comma).trimmed();
    ResizeStep step;
    if (comma >= 0) {
        const QString name = text.mid(comma + 1).trimmed();
        const std::optional<ResizeFilter> filter = ParseResizeFilter(name);
        if (!filter) {
            Refuse(error, QStringLiteral("\"%1\": no filter is called \"%2\" (lanczos, linear or "
                                         "nearest)")
                              .arg(text, name));
            return std::nullopt;
        }
        step.filter = *filter;
    }
    const QRegularExpressionMatch match = kGeometry.match(geometry);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty() &&
                              match.captured(3).isEmpty())) {
        Refuse(error, QStringLiteral("\"%1\" is not a size: give W, xH, WxH, WxH^, WxH! or N%, "
                                     "with > to only shrink or < to only enlarge")
                          .arg(text));
        return std::nullopt;
    }
    const QString suffix = match.captured(5);
    step.only = suffix == u">" ? Only::Shrink : suffix == u"<" ? Only::Enlarge : Only::Any;
    if (!match.captured(1).isEmpty()) {
        step.percent = match.captured(1).toDouble();
        if (!(step.percent > 0)) {
            Refuse(error, QStringLiteral("\"%1\": a side would measure 0 pixels").arg(text));
            return std::nullopt;
        }
        // Even a picture of one pixel would come out larger than any picture may be.
        if (step.percent > 100.0 * Image::kMaxSide) {
            Refuse(error, QStringLiteral("\"%1\": a side larger than %2 pixels")
                              .arg(text)
                              .arg(Image::kMaxSide));
            return std::nullopt;
        }
        return step;
    }
    for (const auto &[group, side] : {std::pair{2, &step.width}, std::pair{3, &step.height}}) {
        const QString digits = match.captured(group);
        if (digits.isEmpty())
            continue;
        bool ok = false;
        *side = digits.toInt(&ok);
        if (!ok || *side > Image::kMaxSide) {
            Refuse(error, QStringLiteral("\"%1\": a side larger than %2 pixels")
                              .arg(text)
                              .arg(Image::kMaxSide));
            return std::nullopt;
        }
        if (*side == 0) {
            Refuse(error, QStringLiteral("\"%1\": a side would measure 0 pixels").arg(text));
            return std::nullopt;
        }
    }
    const QString fit = match.captured(4);
    if (!fit.isEmpty() && (step.width == 0 || step.height == 0)) {
        Refuse(error, QStringLiteral("\"%1\": %2 needs both a width and a height").arg(text, fit));
        return std::nullopt;
    }
    step.fit = fit == u"^" ? Fit::Cover : fit == u"!" ? Fit::Exact : Fit::Inside;
    return step;
}

} // namespace lumaskin
