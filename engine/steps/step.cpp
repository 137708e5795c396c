#include "engine/steps/step.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace lumaskin {

namespace {

// Calls `visit.template operator()<Kind>()` for every kind of step, in order.
template <typename Visit, std::size_t... I>
void ForEachKind(Visit &&visit, std::index_sequence<I...>)
{
    (visit.template operator()<std::variant_alternative_t<I, Step>>(), ...);
}

template <typename Visit> void ForEachKind(Visit &&visit)
{
    ForEachKind(visit, std::make_index_sequence<std::variant_size_v<Step>>());
}

} // namespace

QString StepKind(const Step &step)
{
    return std::visit(
        [](const auto &s) { return QString::fromLatin1(std::decay_t<decltype(s)>::kKind); }, step);
}

QStringList StepKinds()
{
    QStringList kinds;
    ForEachKind([&]<typename Kind>() { kinds << QString::fromLatin1(Kind::kKind); });
    return kinds;
}

QString StepText(const Step &step)
{
    return std::visit([](const auto &s) { return s.Text(); }, step);
}

std::optional<Step> ParseStep(const QString &kind, const QString &text, QString *error)
{
    std::optional<Step> step;
    bool known = false;
    ForEachKind([&]<typename Kind>() {
        if (known || kind != QLatin1String(Kind::kKind))
            return;
        known = true;
        if (std::optional<Kind> parsed = Kind::Parse(text, error))
            step = std::move(*parsed);
    });
    if (!known && error)
        *error = QCoreApplication::translate("Steps", "no step is called \"%1\" (%2)")
                     .arg(kind, StepKinds().join(QStringLiteral(", ")));
    return step;
}

bool ApplySteps(Image &image, std::span<const Step> steps, QString *error)
{
    for (const Step &step : steps)
        if (!std::visit([&](const auto &s) { return s.Apply(image, error); }, step))
            return false;
    return true;
}

std::optional<RowWork> StepsAsRowWork(std::span<const Step> steps)
{
    RowWork work;
    work.keepsGreyPixels = true;
    std::vector<EffectStep> effects;
    for (const Step &step : steps) {
        const EffectStep *effect = std::get_if<EffectStep>(&step);
        if (!effect)
            return std::nullopt;
        if (!effect->effect)
            continue;
        const int reach = effect->effect->RowReach(effect->arguments);
        if (reach < 0)
            return std::nullopt;
        work.reach += reach;
        work.grey = effect->effect->writesGrey;
        work.keepsGreyPixels = work.keepsGreyPixels && effect->effect->keepsGreyPixels;
        effects.push_back(*effect);
    }
    if (!effects.empty())
        work.apply = [effects = std::move(effects)](Image &band) {
            for (const EffectStep &effect : effects)
                effect.Apply(band);
        };
    return work;
}

QSize SizeAfterSteps(QSize size, std::span<const Step> steps)
{
    for (const Step &step : steps) {
        if (const auto *resize = std::get_if<ResizeStep>(&step))
            size = resize->TargetSize(size);
        else if (const auto *crop = std::get_if<CropStep>(&step))
            size = crop->Area(size).intersected(QRect(QPoint(0, 0), size)).size();
        else if (const auto *rotate = std::get_if<RotateStep>(&step);
                 rotate && rotate->degrees != 180)
            size.transpose();
        if (size.isEmpty())
            return {};
    }
    return size;
}

bool LoadStepFiles(std::span<Step> steps, QString *error)
{
    for (Step &step : steps)
        if (auto *watermark = std::get_if<WatermarkStep>(&step);
            watermark && !watermark->Load(error))
            return false;
    return true;
}

bool StepsDrawText(std::span<const Step> steps)
{
    return std::ranges::any_of(steps, [](const Step &step) {
        const auto *watermark = std::get_if<WatermarkStep>(&step);
        return watermark && watermark->IsText();
    });
}

} // namespace lumaskin
