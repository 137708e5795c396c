#include "app/steps_dialog.h"

#include "app/batch_steps.h"
#include "app/conversion_choice.h"
#include "engine/convert_options.h"
#include "engine/preset_file.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
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
        kinds->addAction(kind.left(1).toUpper() + kind.mid(1), this,
                         [this, kind] { AddStep(kind); });
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
    for (const Step &step : m_steps.Steps())
        m_list->addItem(StepKind(step) + QStringLiteral(": ") + StepText(step));
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    const QSignalBlocker quietQuality(m_quality);
    m_quality->setValue(m_choice.Quality());
    const QSignalBlocker quietStrip(m_strip);
    m_strip->setChecked(m_steps.StripMetadata());
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
    m_steps.Add(std::move(*step));
    m_list->setCurrentRow(m_list->count() - 1);
    EditStep(m_list->count() - 1);
}

void StepsDialog::EditStep(int row)
{
    if (row < 0 || row >= static_cast<int>(m_steps.Steps().size()))
        return;
    const Step &step = m_steps.Steps()[static_cast<std::size_t>(row)];
    const QString kind = StepKind(step);
    QString text = StepText(step);
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(
            this, QCoreApplication::translate("StepsDialog", "Edit step"),
            QCoreApplication::translate("StepsDialog", "%1, as lumaskin-convert --%1 takes it:")
                .arg(kind),
            QLineEdit::Normal, text, &ok);
        if (!ok)
            return;
        QString error;
        if (std::optional<Step> edited = ParseStep(kind, text, &error)) {
            m_steps.Replace(row, std::move(*edited));
            return;
        }
        m_messages.Show(error, MessageButtons::Ok, MessageIcon::Stop);
    }
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
