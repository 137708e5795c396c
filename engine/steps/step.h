#pragma once

#include "engine/effects/effect_step.h"
#include "engine/image_io.h"
#include "engine/steps/crop_step.h"
#include "engine/steps/flip_step.h"
#include "engine/steps/resize_step.h"
#include "engine/steps/rotate_step.h"
#include "engine/steps/watermark_step.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <variant>

namespace lumaskin {

// One thing done to a picture on its way from reading to writing. Each kind is plain data that
// writes itself as text and reads itself back (the text its command-line option takes), and
// applies itself with `bool Apply(Image &, QString *error)`.
using Step = std::variant<EffectStep, ResizeStep, CropStep, RotateStep, FlipStep, WatermarkStep>;

// The kind of a step, as its command-line option is named: "effect", "resize", "crop",
// "rotate", "flip" or "watermark".
QString StepKind(const Step &step);
// Every kind, in that order.
QStringList StepKinds();
// The step's value as its option takes it: "contrast=150", "1920x1080>", "16:9", "90", "h".
QString StepText(const Step &step);
// The step of `kind` that `text` gives; nothing, with a plain reason, when either is not
// understood.
std::optional<Step> ParseStep(const QString &kind, const QString &text, QString *error);

// Applies the steps in order. False, with a plain reason, at the first that cannot be applied
// (a crop outside the picture, a size too large, too little memory); the picture is then
// partly done.
bool ApplySteps(Image &image, std::span<const Step> steps, QString *error);

// The size a picture of `size` has after the steps, without applying them; empty when a crop
// leaves nothing of it.
QSize SizeAfterSteps(QSize size, std::span<const Step> steps);

// The steps as work on a band of rows at a time, when every one is an effect that reads only
// rows nearby (EffectDescriptor::rowReach): the reach is the sum of theirs, and no `apply`
// when none of them changes anything. Nothing otherwise.
std::optional<RowWork> StepsAsRowWork(std::span<const Step> steps);

// Reads what the steps need from files (the pictures of watermarks), once for every picture
// they are applied to. False, with a plain reason naming the file, when one cannot be read.
bool LoadStepFiles(std::span<Step> steps, QString *error);
// Whether a step draws text, which needs Qt GUI (see text_mark.h).
bool StepsDrawText(std::span<const Step> steps);

} // namespace lumaskin
