#pragma once

#include "engine/conversion_output.h"
#include "engine/steps/step.h"
#include "platform/message_box.h"

#include <QDialog>
#include <functional>
#include <optional>

namespace lumaskin {

// A kind of step as the window names it: "Resize", "Watermark" (translated).
QString StepKindLabel(const QString &kind);

// A small window that edits one value with the controls it calls for. Ok checks the value as
// the command line would and keeps the window open, with the reason said, when it cannot be.
template <typename Value> class ValueForm : public QDialog
{
public:
    // The value as the controls give it; the edited value once Ok has taken it.
    std::optional<Value> Built(QString *error) const { return m_build(error); }
    const Value &Result() const { return m_result; }

    void accept() override
    {
        QString error;
        std::optional<Value> value = m_build(&error);
        if (!value) {
            m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
            return;
        }
        m_result = std::move(*value);
        QDialog::accept();
    }

protected:
    ValueForm(const Value &value, MessageBoxes &messages, QWidget *parent)
        : QDialog(parent), m_messages(messages), m_result(value)
    {}

    MessageBoxes &m_messages;
    std::function<std::optional<Value>(QString *)> m_build;
    Value m_result;
};

// One step: sizes, a fit and a filter for a resize; a box, a position or an aspect ratio for a
// crop; the turn; the mirror; a watermark's words or picture, font, size, colour, opacity,
// place and margin; an effect's name and values.
class StepForm : public ValueForm<Step>
{
public:
    StepForm(const Step &step, MessageBoxes &messages, QWidget *parent);
};

// One more file written from each picture: its format, a resize of its own, a quality and a
// suffix to its name.
class OutputForm : public ValueForm<ConversionOutput>
{
public:
    OutputForm(const ConversionOutput &output, MessageBoxes &messages, QWidget *parent);
};

} // namespace lumaskin
