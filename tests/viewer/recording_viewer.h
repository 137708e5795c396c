#pragma once

#include "engine/effects/effect_step.h"
#include "platform/message_box.h"
#include "viewer/c_image_viewer.h"

#include <QStringList>
#include <QVariant>
#include <string>
#include <utility>
#include <vector>

namespace lumaskin::test {

// A viewer that records every automation call instead of touching pixels.
struct RecordingViewer
{
    struct Call
    {
        int id;
        QVariantList arguments;
    };

    std::vector<Call> calls;
    CImageViewer viewer{[this](DispatchId id, const QVariantList &arguments) {
        calls.push_back({static_cast<int>(id), arguments});
        return QVariant();
    }};

    const Call &Last() const { return calls.back(); }
};

// Answers every message box with OK and remembers its text.
class RecordingMessages final : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons, MessageIcon) override
    {
        texts.append(text);
        return MessageAnswer::Ok;
    }
    QStringList texts;
};

// Effect steps as their commands and arguments, for compact comparisons.
using StepList = std::vector<std::pair<std::string, std::vector<double>>>;

inline StepList Steps(const std::vector<EffectStep> &steps)
{
    StepList list;
    for (const EffectStep &step : steps)
        list.emplace_back(step.effect ? std::string(step.effect->command) : std::string(),
                          step.arguments);
    return list;
}

} // namespace lumaskin::test
