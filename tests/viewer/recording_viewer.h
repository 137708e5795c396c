#pragma once

#include "engine/effects/effect_step.h"
#include "platform/message_box.h"
#include "tests/engine/effects/effect_test_support.h"
#include "viewer/c_image_viewer.h"
#include "viewer/viewer_control.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
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

// An effect window acting on a viewer that shows a small random picture, with helpers to type
// into its edit boxes, press its "Change" buttons and check what the viewer shows.
template <class Window> class EffectWindowFixture : public ::testing::Test
{
protected:
    explicit EffectWindowFixture(std::uint32_t seed) : original(RandomImage(16, 12, seed)) {}
    void SetUp() override { control.SetImage(original.Clone()); }

    void Type(const char *edit, const QString &text) { dialog.Edit(edit)->setText(text); }
    QString Text(const char *edit) const { return dialog.Edit(edit)->text(); }
    void Press(const char *row) { dialog.ChangeButton(row)->click(); }
    // Whether the viewer shows the original picture with that one effect applied.
    bool Shows(std::string_view effect, std::vector<double> arguments) const
    {
        Image expected = original.Clone();
        FindEffect(effect)->Apply(expected, arguments);
        return control.CurrentImage() == expected;
    }

    const Image original;
    ViewerControl control;
    CImageViewer viewer{&control};
    RecordingMessages messages;
    Window dialog{&viewer, nullptr, messages};
};

} // namespace lumaskin::test
