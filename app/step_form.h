#pragma once

#include "engine/conversion_output.h"
#include "engine/steps/step.h"

#include <QDialog>
#include <functional>
#include <optional>

namespace lumaskin {

class MessageBoxes;

// A kind of step as the window names it: "Resize", "Watermark" (translated).
QString StepKindLabel(const QString &kind);

// A small window that edits one step with the controls its kind calls for: sizes, a fit and a
// filter for a resize; a box, a position or an aspect ratio for a crop; the turn; the mirror;
// a watermark's words or picture, font, size, colour, opacity, place and margin; an effect's
// name and values. Ok checks the values as the command line would and keeps the window open,
// with the reason said, for one that cannot be.
class StepForm : public QDialog
{
    Q_OBJECT

public:
    StepForm(const Step &step, MessageBoxes &messages, QWidget *parent);

    // The step as the controls give it; the edited step once Ok has taken it.
    std::optional<Step> Built(QString *error) const { return m_build(error); }
    const Step &Result() const { return m_result; }

    void accept() override;

private:
    MessageBoxes &m_messages;
    std::function<std::optional<Step>(QString *)> m_build;
    Step m_result;
};

// The same for one more file written from each picture: its format, a resize of its own, a
// quality and a suffix to its name.
class OutputForm : public QDialog
{
    Q_OBJECT

public:
    OutputForm(const ConversionOutput &output, MessageBoxes &messages, QWidget *parent);

    std::optional<ConversionOutput> Built(QString *error) const { return m_build(error); }
    const ConversionOutput &Result() const { return m_result; }

    void accept() override;

private:
    MessageBoxes &m_messages;
    std::function<std::optional<ConversionOutput>(QString *)> m_build;
    ConversionOutput m_result;
};

} // namespace lumaskin
