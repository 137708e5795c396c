#include "app/steps_dialog.h"

#include "app/batch_steps.h"
#include "app/conversion_choice.h"
#include "app/step_form.h"
#include "engine/convert_options.h"
#include "engine/preset_file.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumaskin {

namespace {

// What a new step of each kind starts as.
QString FirstText(const QString &kind)
{
    if (kind == u"resize")
        return QStringLiteral("1920x1080>");
    if (kind == u"crop")
        return QStringLiteral("16:9");
    if (kind == u"rotate")
        return QStringLiteral("90");
    if (kind == u"flip")
        return QStringLiteral("h");
    if (kind == u"watermark")
        return QStringLiteral("text=Lumaskin;size=5%;opacity=60;position=bottom-right");
    return QStringLiteral("contrast=150");
}

} // namespace

StepsDialog::StepsDialog(BatchSteps &steps, ConversionChoice &choice, MessageBoxes &messages,
                         std::function<std::optional<ConversionRequest>(QString *)> request,
                         std::function<void()> preview, QWidget *parent)
    : QDialog(parent), m_steps(steps), m_choice(choice), m_messages(messages),
      m_request(std::move(request)), m_preview(std::move(preview)), m_list(new QListWidget(this)),
      m_outputs(new QListWidget(this)),
      m_renames(new QCheckBox(
          QCoreApplication::translate("StepsDialog", "&Name the files by a pattern:"), this)),
      m_pattern(new QLineEdit(this)),
      m_beside(new QCheckBox(QCoreApplication::translate(
                                 "StepsDialog", "Write each file &beside its picture, not into "
                                                "a folder chosen at Convert"),
                             this)),
      m_strip(new QCheckBox(QCoreApplication::translate("StepsDialog", "&Leave out metadata "
                                                                       "(EXIF, XMP, colour "
                                                                       "profile)"),
                            this)),
      m_quality(new QSpinBox(this)), m_presets(new QComboBox(this))
{
    setWindowTitle(QCoreApplication::translate("StepsDialog", "Steps"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QCoreApplication::translate(
            "StepsDialog", "Done to every picture in this order, after the effects marked in the "
                           "effect windows:"),
        this));
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    auto *buttons = new QVBoxLayout;
    auto *add = new QPushButton(QCoreApplication::translate("StepsDialog", "&Add"), this);
    auto *kinds = new QMenu(add);
    for (const QString &kind : StepKinds())
        kinds->addAction(StepKindLabel(kind), this, [this, kind] { AddStep(kind); });
    add->setMenu(kinds);
    const auto button = [&](const QString &text, auto action) {
        auto *b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    buttons->addWidget(add);
    button(QCoreApplication::translate("StepsDialog", "&Edit..."), [this] { EditStep(Row()); });
    button(QCoreApplication::translate("StepsDialog", "&Up"), [this] {
        const int row = Row();
        m_steps.Move(row, -1);
        m_list->setCurrentRow(std::max(0, row - 1));
    });
    button(QCoreApplication::translate("StepsDialog", "&Down"), [this] {
        const int row = Row();
        m_steps.Move(row, +1);
        m_list->setCurrentRow(std::min(m_list->count() - 1, row + 1));
    });
    button(QCoreApplication::translate("StepsDialog", "&Remove"),
           [this] { m_steps.Remove(Row()); });
    button(QCoreApplication::translate("StepsDialog", "&Show on picture"), [this] { m_preview(); });
    buttons->addStretch();
    middle->addLayout(buttons);
    layout->addLayout(middle);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditStep(Row()); });
    layout->addLayout(OutputsAndNaming());

    auto *quality = new QHBoxLayout;
    quality->addWidget(new QLabel(
        QCoreApplication::translate("StepsDialog", "&Quality (jpg, webp, avif):"), this));
    m_quality->setRange(1, 100);
    static_cast<QLabel *>(quality->itemAt(0)->widget())->setBuddy(m_quality);
    quality->addWidget(m_quality);
    quality->addStretch();
    layout->addLayout(quality);
    layout->addWidget(m_strip);
    connect(m_quality, &QSpinBox::valueChanged, this, [this](int q) {
        if (q != m_choice.Quality())
            m_choice.SetQuality(q);
    });
    connect(m_strip, &QCheckBox::toggled, &m_steps, &BatchSteps::SetStripMetadata);

    auto *presets = new QHBoxLayout;
    presets->addWidget(new QLabel(QCoreApplication::translate("StepsDialog", "Presets:"), this));
    presets->addWidget(m_presets, 1);
    auto *load = new QPushButton(QCoreApplication::translate("StepsDialog", "L&oad"), this);
    auto *save = new QPushButton(QCoreApplication::translate("StepsDialog", "&Save as..."), this);
    auto *copy =
        new QPushButton(QCoreApplication::translate("StepsDialog", "&Copy as command"), this);
    presets->addWidget(load);
    presets->addWidget(save);
    presets->addWidget(copy);
    layout->addLayout(presets);
    connect(load, &QPushButton::clicked, this, [this] {
        if (!m_presets->currentText().isEmpty())
            LoadPreset(m_presets->currentText());
    });
    connect(save, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString name =
            QInputDialog::getText(this, QCoreApplication::translate("StepsDialog", "Save preset"),
                                  QCoreApplication::translate("StepsDialog", "Name of the preset:"),
                                  QLineEdit::Normal, m_presets->currentText(), &ok);
        if (ok && !name.trimmed().isEmpty())
            SavePresetAs(name.trimmed());
    });
    connect(copy, &QPushButton::clicked, this, &StepsDialog::CopyCommand);
    auto *close = new QPushButton(QCoreApplication::translate("StepsDialog", "Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(&m_steps, &BatchSteps::changed, this, &StepsDialog::Refresh);
    Refresh();
    FillPresets();
}

int StepsDialog::Row() const
{
    return m_list->currentRow();
}

void StepsDialog::Refresh()
{
    const int row = m_list->currentRow();
    m_list->clear();
    for (const Step &step : m_steps.Steps()) {
        // As the command line writes it, which the copied command shows too.
        m_list->addItem(StepKindLabel(StepKind(step)) + QStringLiteral(": ") + StepText(step));
        m_list->item(m_list->count() - 1)->setToolTip(StepText(step));
    }
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    const QSignalBlocker quietQuality(m_quality);
    m_quality->setValue(m_choice.Quality());
    const QSignalBlocker quietStrip(m_strip);
    m_strip->setChecked(m_steps.StripMetadata());

    const int output = m_outputs->currentRow();
    m_outputs->clear();
    for (const ConversionOutput &further : m_steps.Outputs())
        m_outputs->addItem(further.Text());
    m_outputs->setCurrentRow(std::min(output, m_outputs->count() - 1));
    const QSignalBlocker quietRenames(m_renames);
    m_renames->setChecked(m_steps.Rename().has_value());
    m_pattern->setEnabled(m_renames->isChecked());
    if (m_steps.Rename())
        m_pattern->setText(m_steps.Rename()->Text());
    const QSignalBlocker quietBeside(m_beside);
    m_beside->setChecked(m_steps.Place() == TargetPlace::BesideSource);
}

void StepsDialog::FillPresets()
{
    const QString current = m_presets->currentText();
    m_presets->clear();
    for (const QString &file :
         QDir(PresetFolder()).entryList({QStringLiteral("*.preset")}, QDir::Files, QDir::Name))
        m_presets->addItem(file.chopped(7));
    m_presets->setCurrentText(current);
}

void StepsDialog::AddStep(const QString &kind)
{
    QString error;
    std::optional<Step> step = ParseStep(kind, FirstText(kind), &error);
    if (!step)
        return;
    StepForm form(*step, m_messages, this);
    if (form.exec() != QDialog::Accepted)
        return;
    m_steps.Add(form.Result());
    m_list->setCurrentRow(m_list->count() - 1);
}

void StepsDialog::EditStep(int row)
{
    if (row < 0 || row >= static_cast<int>(m_steps.Steps().size()))
        return;
    StepForm form(m_steps.Steps()[static_cast<std::size_t>(row)], m_messages, this);
    if (form.exec() == QDialog::Accepted)
        m_steps.Replace(row, form.Result());
}

void StepsDialog::AddOutput()
{
    ConversionOutput output;
    output.format = QStringLiteral("webp");
    output.suffix = QStringLiteral("-small");
    QString error;
    output.steps.push_back(
        *ParseStep(QStringLiteral("resize"), QStringLiteral("512x512>"), &error));
    OutputForm form(output, m_messages, this);
    if (form.exec() == QDialog::Accepted)
        m_steps.AddOutput(form.Result());
}

void StepsDialog::EditOutput(int row)
{
    if (row < 0 || row >= static_cast<int>(m_steps.Outputs().size()))
        return;
    OutputForm form(m_steps.Outputs()[static_cast<std::size_t>(row)], m_messages, this);
    if (form.exec() == QDialog::Accepted)
        m_steps.ReplaceOutput(row, form.Result());
}

bool StepsDialog::TakePattern()
{
    if (!m_renames->isChecked()) {
        m_steps.SetRename(std::nullopt);
        return true;
    }
    QString error;
    std::optional<NamePattern> pattern = NamePattern::Parse(m_pattern->text(), &error);
    if (!pattern) {
        m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
        Refresh();
        return false;
    }
    m_steps.SetRename(std::move(pattern));
    return true;
}

QLayout *StepsDialog::OutputsAndNaming()
{
    auto *column = new QVBoxLayout;
    auto *files = new QGroupBox(
        QCoreApplication::translate("StepsDialog", "Further files from each picture"), this);
    auto *filesRow = new QHBoxLayout(files);
    filesRow->addWidget(m_outputs, 1);
    m_outputs->setMaximumHeight(m_outputs->fontMetrics().height() * 5);
    auto *buttons = new QVBoxLayout;
    const auto button = [&](const QString &text, auto action) {
        auto *b = new QPushButton(text, files);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button(QCoreApplication::translate("StepsDialog", "Add &file..."), [this] { AddOutput(); });
    button(QCoreApplication::translate("StepsDialog", "Ed&it file..."),
           [this] { EditOutput(m_outputs->currentRow()); });
    button(QCoreApplication::translate("StepsDialog", "Remo&ve file"),
           [this] { m_steps.RemoveOutput(m_outputs->currentRow()); });
    buttons->addStretch();
    filesRow->addLayout(buttons);
    connect(m_outputs, &QListWidget::itemDoubleClicked, this,
            [this] { EditOutput(m_outputs->currentRow()); });
    column->addWidget(files);

    auto *naming = new QHBoxLayout;
    naming->addWidget(m_renames);
    naming->addWidget(m_pattern, 1);
    m_pattern->setObjectName(QStringLiteral("namePattern"));
    m_pattern->setPlaceholderText(QStringLiteral("{date:%Y-%m-%d}-{n:03}"));
    m_pattern->setToolTip(QCoreApplication::translate(
        "StepsDialog", "{name} the picture's name, {ext} its extension, {folder} its folder's "
                       "name, {n} its place in the list ({n:03} three digits, {n:3,100} from "
                       "100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size "
                       "written; a / makes sub-folders"));
    connect(m_renames, &QCheckBox::toggled, this, [this](bool on) {
        m_pattern->setEnabled(on);
        if (!on || !m_pattern->text().isEmpty())
            TakePattern();
    });
    connect(m_pattern, &QLineEdit::editingFinished, this, [this] {
        if (m_renames->isChecked())
            TakePattern();
    });
    column->addLayout(naming);
    column->addWidget(m_beside);
    connect(m_beside, &QCheckBox::toggled, this, [this](bool on) {
        m_steps.SetPlace(on ? TargetPlace::BesideSource : TargetPlace::Folder);
    });
    return column;
}

bool StepsDialog::SavePresetAs(const QString &name)
{
    QString error;
    const std::optional<ConversionRequest> request = m_request(&error);
    if (!request || !BatchSteps::SavePreset(PresetPath(name), *request, &error)) {
        m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    FillPresets();
    m_presets->setCurrentText(name);
    return true;
}

bool StepsDialog::LoadPreset(const QString &name)
{
    QString error;
    if (!m_steps.LoadPreset(PresetPath(name), m_choice, &error)) {
        m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    Refresh();
    return true;
}

void StepsDialog::CopyCommand()
{
    QString error;
    const std::optional<ConversionRequest> request = m_request(&error);
    if (!request) {
        m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    QApplication::clipboard()->setText(ConvertCommand(*request));
}

} // namespace lumaskin
