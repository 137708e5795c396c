#pragma once

#include "engine/batch_conversion.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace lumaskin {

class BatchSteps;
class ConversionChoice;
class MessageBoxes;

// The Steps window: the batch's steps in order, each edited in a form of its kind, movable and
// removable, with one "Add" for each kind; the further files written from each picture; the
// naming pattern and whether files go beside their pictures; the quality and whether metadata
// is kept; presets saved, listed and loaded; and the lumaskin-convert command that writes the same
// files put on the clipboard. It shows the program's own state (BatchSteps, ConversionChoice)
// and keeps none of its own.
class StepsDialog : public QDialog
{
    Q_OBJECT

public:
    // `request` gives the conversion of the pictures listed as the window would make it now;
    // `preview` shows the shown picture with every step applied.
    StepsDialog(BatchSteps &steps, ConversionChoice &choice, MessageBoxes &messages,
                std::function<std::optional<ConversionRequest>(QString *error)> request,
                std::function<void()> preview, QWidget *parent);

    // Shows the model's state again.
    void Refresh();

    // The window's actions, also for tests.
    // Adding and editing open the step's form; a step is added once its form is left with Ok.
    void AddStep(const QString &kind);
    void EditStep(int row);
    void AddOutput();
    void EditOutput(int row);
    // Takes the naming pattern typed, or says why it cannot and keeps the one in force.
    bool TakePattern();
    bool SavePresetAs(const QString &name);
    bool LoadPreset(const QString &name);
    void CopyCommand();

private:
    void FillPresets();
    int Row() const;
    QLayout *OutputsAndNaming();

    BatchSteps &m_steps;
    ConversionChoice &m_choice;
    MessageBoxes &m_messages;
    std::function<std::optional<ConversionRequest>(QString *)> m_request;
    std::function<void()> m_preview;
    QListWidget *m_list;
    QListWidget *m_outputs;
    QCheckBox *m_renames;
    QLineEdit *m_pattern;
    QCheckBox *m_beside;
    QCheckBox *m_strip;
    QSpinBox *m_quality;
    QComboBox *m_presets;
};

} // namespace lumaskin
