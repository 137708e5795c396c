#include "app/step_form.h"

#include "engine/formats.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumaskin {

namespace {

// Sides and offsets go as far as a picture may measure.
constexpr int kLargestSide = 65535;

QSpinBox *SideBox(QWidget *parent, int value, const QString &zero = QString())
{
    auto *box = new QSpinBox(parent);
    box->setRange(zero.isEmpty() ? 1 : 0, kLargestSide);
    box->setSpecialValueText(zero);
    box->setSuffix(QCoreApplication::translate("StepForm", " px"));
    box->setValue(value);
    return box;
}

QComboBox *Choice(QWidget *parent, const QStringList &labels, int current)
{
    auto *box = new QComboBox(parent);
    box->addItems(labels);
    box->setCurrentIndex(std::max(0, current));
    return box;
}

// Shows the rows of the chosen mode of a form and hides the others.
void ShowRows(QFormLayout *form, const std::vector<std::pair<QWidget *, std::vector<int>>> &rows,
              int mode)
{
    for (const auto &[field, modes] : rows)
        form->setRowVisible(field, std::ranges::find(modes, mode) != modes.end());
}

// The step the controls give, checked as the command line checks the same text.
std::optional<Step> Checked(const Step &step, QString *error)
{
    return ParseStep(StepKind(step), StepText(step), error);
}

using Builder = std::function<std::optional<Step>(QString *)>;

Builder ResizeForm(QWidget *parent, QFormLayout *form, const ResizeStep &step)
{
    const int mode = step.percent > 0 ? 3 : static_cast<int>(step.fit);
    auto *fit = Choice(parent,
                       {QCoreApplication::translate("StepForm", "Fit inside the width and height"),
                        QCoreApplication::translate(
                            "StepForm", "Cover the width and height (a crop then cuts the rest)"),
                        QCoreApplication::translate("StepForm", "Exactly the width and height"),
                        QCoreApplication::translate("StepForm", "A share of each side")},
                       mode);
    auto *width =
        SideBox(parent, step.width, QCoreApplication::translate("StepForm", "follows the height"));
    auto *height =
        SideBox(parent, step.height, QCoreApplication::translate("StepForm", "follows the width"));
    auto *percent = new QDoubleSpinBox(parent);
    percent->setRange(0.1, 10000);
    percent->setDecimals(1);
    percent->setSuffix(QStringLiteral(" %"));
    percent->setValue(step.percent > 0 ? step.percent : 50);
    auto *only = Choice(parent,
                        {QCoreApplication::translate("StepForm", "Shrink or enlarge"),
                         QCoreApplication::translate("StepForm", "Only shrink"),
                         QCoreApplication::translate("StepForm", "Only enlarge")},
                        static_cast<int>(step.only));
    auto *filter = Choice(parent,
                          {QCoreApplication::translate("StepForm", "Lanczos 3 (sharp, for photos)"),
                           QCoreApplication::translate("StepForm", "Linear (softer)"),
                           QCoreApplication::translate("StepForm", "Nearest (pixel art)")},
                          static_cast<int>(step.filter));
    form->addRow(QCoreApplication::translate("StepForm", "&Size:"), fit);
    form->addRow(QCoreApplication::translate("StepForm", "&Width:"), width);
    form->addRow(QCoreApplication::translate("StepForm", "&Height:"), height);
    form->addRow(QCoreApplication::translate("StepForm", "Sh&are:"), percent);
    form->addRow(QCoreApplication::translate("StepForm", "&When:"), only);
    form->addRow(QCoreApplication::translate("StepForm", "&Filter:"), filter);
    const auto show = [form, width, height, percent](int m) {
        ShowRows(form, {{width, {0, 1, 2}}, {height, {0, 1, 2}}, {percent, {3}}}, m);
    };
    QObject::connect(fit, &QComboBox::currentIndexChanged, parent, show);
    show(mode);
    return [=](QString *error) -> std::optional<Step> {
        ResizeStep made;
        if (fit->currentIndex() == 3) {
            made.percent = percent->value();
        } else {
            made.fit = static_cast<ResizeStep::Fit>(fit->currentIndex());
            made.width = width->value();
            made.height = height->value();
            if (made.width == 0 && made.height == 0) {
                *error = QCoreApplication::translate("StepForm", "Give a width, a height or both.");
                return std::nullopt;
            }
            if (made.fit != ResizeStep::Fit::Inside && (made.width == 0 || made.height == 0)) {
                *error = QCoreApplication::translate(
                    "StepForm", "Covering or filling exactly takes both a width and a height.");
                return std::nullopt;
            }
        }
        made.only = static_cast<ResizeStep::Only>(only->currentIndex());
        made.filter = static_cast<ResizeFilter>(filter->currentIndex());
        return Checked(made, error);
    };
}

Builder CropForm(QWidget *parent, QFormLayout *form, const CropStep &step)
{
    const int mode = step.kind == CropStep::Kind::Centred ? 0
                     : step.kind == CropStep::Kind::Box   ? 1
                                                          : 2;
    auto *kind =
        Choice(parent,
               {QCoreApplication::translate("StepForm", "Width and height from the centre"),
                QCoreApplication::translate("StepForm", "Width and height from a corner"),
                QCoreApplication::translate("StepForm", "The largest centred part of "
                                                        "an aspect ratio")},
               mode);
    auto *width = SideBox(parent, std::max(1, step.width));
    auto *height = SideBox(parent, std::max(1, step.height));
    const auto offset = [parent](int value) {
        auto *box = new QSpinBox(parent);
        box->setRange(-kLargestSide, kLargestSide);
        box->setSuffix(QCoreApplication::translate("StepForm", " px"));
        box->setValue(value);
        return box;
    };
    auto *x = offset(step.x);
    auto *y = offset(step.y);
    const auto ratio = [parent](double value) {
        auto *box = new QDoubleSpinBox(parent);
        box->setRange(0.01, 10000);
        box->setDecimals(2);
        box->setValue(value);
        return box;
    };
    auto *aspectWidth = ratio(step.aspectWidth > 0 ? step.aspectWidth : 16);
    auto *aspectHeight = ratio(step.aspectHeight > 0 ? step.aspectHeight : 9);
    auto *aspect = new QWidget(parent);
    auto *aspectRow = new QHBoxLayout(aspect);
    aspectRow->setContentsMargins(0, 0, 0, 0);
    aspectRow->addWidget(aspectWidth);
    aspectRow->addWidget(new QLabel(QStringLiteral(":"), aspect));
    aspectRow->addWidget(aspectHeight);
    form->addRow(QCoreApplication::translate("StepForm", "&Keep:"), kind);
    form->addRow(QCoreApplication::translate("StepForm", "&Width:"), width);
    form->addRow(QCoreApplication::translate("StepForm", "&Height:"), height);
    form->addRow(QCoreApplication::translate("StepForm", "From the &left:"), x);
    form->addRow(QCoreApplication::translate("StepForm", "From the &top:"), y);
    form->addRow(QCoreApplication::translate("StepForm", "&Aspect ratio:"), aspect);
    const auto show = [=](int m) {
        ShowRows(form, {{width, {0, 1}}, {height, {0, 1}}, {x, {1}}, {y, {1}}, {aspect, {2}}}, m);
    };
    QObject::connect(kind, &QComboBox::currentIndexChanged, parent, show);
    show(mode);
    return [=](QString *error) -> std::optional<Step> {
        CropStep made;
        switch (kind->currentIndex()) {
        case 0:
            made.kind = CropStep::Kind::Centred;
            break;
        case 1:
            made.kind = CropStep::Kind::Box;
            made.x = x->value();
            made.y = y->value();
            break;
        default:
            made.kind = CropStep::Kind::Aspect;
            made.aspectWidth = aspectWidth->value();
            made.aspectHeight = aspectHeight->value();
        }
        if (made.kind != CropStep::Kind::Aspect) {
            made.width = width->value();
            made.height = height->value();
        }
        return Checked(made, error);
    };
}

Builder TurnForm(QWidget *parent, QFormLayout *form, const RotateStep &step)
{
    auto *turn = Choice(parent,
                        {QCoreApplication::translate("StepForm", "A quarter clockwise (90°)"),
                         QCoreApplication::translate("StepForm", "Half round (180°)"),
                         QCoreApplication::translate("StepForm", "A quarter anticlockwise (270°)")},
                        step.degrees / 90 - 1);
    form->addRow(QCoreApplication::translate("StepForm", "&Turn:"), turn);
    return [=](QString *error) -> std::optional<Step> {
        RotateStep made;
        made.degrees = 90 * (turn->currentIndex() + 1);
        return Checked(made, error);
    };
}

Builder FlipForm(QWidget *parent, QFormLayout *form, const FlipStep &step)
{
    auto *flip = Choice(parent,
                        {QCoreApplication::translate("StepForm", "Left to right"),
                         QCoreApplication::translate("StepForm", "Top to bottom")},
                        step.vertical ? 1 : 0);
    form->addRow(QCoreApplication::translate("StepForm", "&Mirror:"), flip);
    return [=](QString *error) -> std::optional<Step> {
        FlipStep made;
        made.vertical = flip->currentIndex() == 1;
        return Checked(made, error);
    };
}

Builder WatermarkForm(QWidget *parent, QFormLayout *form, const WatermarkStep &step)
{
    auto *kind = new QWidget(parent);
    auto *kindRow = new QHBoxLayout(kind);
    kindRow->setContentsMargins(0, 0, 0, 0);
    auto *isText = new QRadioButton(QCoreApplication::translate("StepForm", "Te&xt"), kind);
    auto *isPicture = new QRadioButton(QCoreApplication::translate("StepForm", "&Picture"), kind);
    kindRow->addWidget(isText);
    kindRow->addWidget(isPicture);
    kindRow->addStretch();
    (step.IsText() ? isText : isPicture)->setChecked(true);

    auto *text = new QLineEdit(step.text, parent);
    auto *picture = new QWidget(parent);
    auto *pictureRow = new QHBoxLayout(picture);
    pictureRow->setContentsMargins(0, 0, 0, 0);
    auto *file = new QLineEdit(step.image, picture);
    auto *browse = new QPushButton(QCoreApplication::translate("StepForm", "&Browse..."), picture);
    pictureRow->addWidget(file, 1);
    pictureRow->addWidget(browse);
    QObject::connect(browse, &QPushButton::clicked, parent, [parent, file] {
        const QString chosen = QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("StepForm", "Watermark picture"), file->text(),
            QCoreApplication::translate("StepForm",
                                        "Pictures with transparency (*.png);;All files (*)"));
        if (!chosen.isEmpty())
            file->setText(chosen);
    });

    auto *font = new QComboBox(parent);
    font->setEditable(true);
    font->addItem(QStringLiteral("sans-serif"));
    font->addItems(QFontDatabase::families());
    font->setCurrentText(step.font);

    auto *sizeBox = new QWidget(parent);
    auto *sizeRow = new QHBoxLayout(sizeBox);
    sizeRow->setContentsMargins(0, 0, 0, 0);
    auto *size = new QDoubleSpinBox(sizeBox);
    size->setRange(0.1, kLargestSide);
    size->setDecimals(1);
    size->setValue(step.size);
    auto *unit = Choice(sizeBox,
                        {QCoreApplication::translate("StepForm", "pixels"),
                         QCoreApplication::translate("StepForm", "% of the picture's width")},
                        step.percent ? 1 : 0);
    sizeRow->addWidget(size);
    sizeRow->addWidget(unit, 1);

    auto colour = std::make_shared<QColor>(QColor::fromRgb(step.colour));
    auto *colourButton = new QPushButton(parent);
    const auto showColour = [colourButton, colour] {
        colourButton->setText(colour->name(QColor::HexRgb).toUpper());
        QPixmap swatch(16, 16);
        swatch.fill(Qt::gray);
        QPainter(&swatch).fillRect(1, 1, 14, 14, *colour);
        colourButton->setIcon(QIcon(swatch));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, parent, [=] {
        const QColor chosen = QColorDialog::getColor(
            *colour, parent, QCoreApplication::translate("StepForm", "Watermark colour"));
        if (chosen.isValid()) {
            *colour = chosen;
            showColour();
        }
    });

    auto *opacity = new QSpinBox(parent);
    opacity->setRange(0, 100);
    opacity->setSuffix(QStringLiteral(" %"));
    opacity->setValue(step.opacity);
    auto *position = Choice(parent,
                            {QCoreApplication::translate("StepForm", "Top left"),
                             QCoreApplication::translate("StepForm", "Top"),
                             QCoreApplication::translate("StepForm", "Top right"),
                             QCoreApplication::translate("StepForm", "Left"),
                             QCoreApplication::translate("StepForm", "Centre"),
                             QCoreApplication::translate("StepForm", "Right"),
                             QCoreApplication::translate("StepForm", "Bottom left"),
                             QCoreApplication::translate("StepForm", "Bottom"),
                             QCoreApplication::translate("StepForm", "Bottom right")},
                            static_cast<int>(step.position));
    auto *margin = new QSpinBox(parent);
    margin->setRange(0, kLargestSide);
    margin->setSuffix(QCoreApplication::translate("StepForm", " px"));
    margin->setValue(step.margin);

    form->addRow(QCoreApplication::translate("StepForm", "Mark:"), kind);
    form->addRow(QCoreApplication::translate("StepForm", "&Words:"), text);
    form->addRow(QCoreApplication::translate("StepForm", "Picture &file:"), picture);
    form->addRow(QCoreApplication::translate("StepForm", "Fo&nt:"), font);
    form->addRow(QCoreApplication::translate("StepForm", "Si&ze:"), sizeBox);
    form->addRow(QCoreApplication::translate("StepForm", "&Colour:"), colourButton);
    form->addRow(QCoreApplication::translate("StepForm", "&Opacity:"), opacity);
    form->addRow(QCoreApplication::translate("StepForm", "P&lace:"), position);
    form->addRow(QCoreApplication::translate("StepForm", "&Margin:"), margin);
    const auto show = [=] {
        const int m = isText->isChecked() ? 0 : 1;
        ShowRows(form, {{text, {0}}, {font, {0}}, {colourButton, {0}}, {picture, {1}}}, m);
    };
    QObject::connect(isText, &QRadioButton::toggled, parent, show);
    show();
    return [=](QString *error) -> std::optional<Step> {
        WatermarkStep made;
        if (isText->isChecked()) {
            made.text = text->text();
            made.font = font->currentText().trimmed();
            made.colour = colour->rgb() & 0xFFFFFFu;
            if (made.text.isEmpty()) {
                *error =
                    QCoreApplication::translate("StepForm", "Give the words of the watermark.");
                return std::nullopt;
            }
        } else {
            made.image = file->text().trimmed();
            if (made.image.isEmpty()) {
                *error =
                    QCoreApplication::translate("StepForm", "Choose the picture of the watermark.");
                return std::nullopt;
            }
        }
        made.size = size->value();
        made.percent = unit->currentIndex() == 1;
        made.opacity = opacity->value();
        made.position = static_cast<WatermarkStep::Position>(position->currentIndex());
        made.margin = margin->value();
        return Checked(made, error);
    };
}

Builder EffectForm(QWidget *parent, QFormLayout *form, const EffectStep &step)
{
    auto *text = new QLineEdit(step.Text(), parent);
    text->setToolTip(QCoreApplication::translate(
        "StepForm", "The effect's name and values as lumaskin-convert --effect takes them, "
                    "such as contrast=150"));
    form->addRow(QCoreApplication::translate("StepForm", "&Effect:"), text);
    return [=](QString *error) { return ParseStep(QStringLiteral("effect"), text->text(), error); };
}

QDialogButtonBox *OkCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

QString StepKindLabel(const QString &kind)
{
    static const std::pair<const char *, const char *> kLabels[] = {
        {"effect", QT_TRANSLATE_NOOP("StepForm", "Effect")},
        {"resize", QT_TRANSLATE_NOOP("StepForm", "Resize")},
        {"crop", QT_TRANSLATE_NOOP("StepForm", "Crop")},
        {"rotate", QT_TRANSLATE_NOOP("StepForm", "Rotate")},
        {"flip", QT_TRANSLATE_NOOP("StepForm", "Flip")},
        {"watermark", QT_TRANSLATE_NOOP("StepForm", "Watermark")},
    };
    for (const auto &[name, label] : kLabels)
        if (kind == QLatin1String(name))
            return QCoreApplication::translate("StepForm", label);
    return kind;
}

StepForm::StepForm(const Step &step, MessageBoxes &messages, QWidget *parent)
    : ValueForm(step, messages, parent)
{
    const QString kind = StepKind(step);
    setWindowTitle(StepKindLabel(kind));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    m_build = std::visit(
        [&](const auto &s) -> Builder {
            using Kind = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<Kind, ResizeStep>)
                return ResizeForm(this, form, s);
            else if constexpr (std::is_same_v<Kind, CropStep>)
                return CropForm(this, form, s);
            else if constexpr (std::is_same_v<Kind, RotateStep>)
                return TurnForm(this, form, s);
            else if constexpr (std::is_same_v<Kind, FlipStep>)
                return FlipForm(this, form, s);
            else if constexpr (std::is_same_v<Kind, WatermarkStep>)
                return WatermarkForm(this, form, s);
            else
                return EffectForm(this, form, s);
        },
        step);
    layout->addWidget(OkCancel(this));
}

OutputForm::OutputForm(const ConversionOutput &output, MessageBoxes &messages, QWidget *parent)
    : ValueForm(output, messages, parent)
{
    setWindowTitle(QCoreApplication::translate("StepForm", "Further file"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    auto *format = new QComboBox(this);
    for (const Format *written : WrittenFormats())
        format->addItem(written->label, written->extension);
    format->setCurrentIndex(std::max(0, format->findData(output.format)));
    QString geometry;
    for (const Step &step : output.steps)
        if (std::holds_alternative<ResizeStep>(step))
            geometry = StepText(step);
    auto *resize = new QLineEdit(geometry, this);
    resize->setPlaceholderText(QCoreApplication::translate(
        "StepForm", "as the picture, or a size such as 512 or 2048x2048>"));
    auto *ownQuality =
        new QCheckBox(QCoreApplication::translate("StepForm", "&Own quality:"), this);
    auto *quality = new QSpinBox(this);
    quality->setRange(1, 100);
    quality->setValue(output.quality.value_or(85));
    ownQuality->setChecked(output.quality.has_value());
    quality->setEnabled(ownQuality->isChecked());
    connect(ownQuality, &QCheckBox::toggled, quality, &QSpinBox::setEnabled);
    auto *suffix = new QLineEdit(output.suffix, this);
    suffix->setPlaceholderText(QCoreApplication::translate("StepForm", "such as -small"));
    form->addRow(QCoreApplication::translate("StepForm", "&Format:"), format);
    form->addRow(QCoreApplication::translate("StepForm", "&Resize to:"), resize);
    form->addRow(ownQuality, quality);
    form->addRow(QCoreApplication::translate("StepForm", "&Suffix to the name:"), suffix);
    m_build = [=](QString *error) {
        ConversionOutput made;
        made.format = format->currentData().toString();
        if (ownQuality->isChecked())
            made.quality = quality->value();
        made.suffix = suffix->text();
        QString text = made.format;
        if (!resize->text().trimmed().isEmpty())
            text += u':' + resize->text().trimmed();
        if (made.quality)
            text += QStringLiteral(":quality=%1").arg(*made.quality);
        if (!made.suffix.isEmpty())
            text += QStringLiteral(":suffix=") + made.suffix;
        return ConversionOutput::Parse(text, error);
    };
    layout->addWidget(OkCancel(this));
}

} // namespace lumaskin
