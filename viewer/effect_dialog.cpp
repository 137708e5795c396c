#include "viewer/effect_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace lumaskin {

namespace {

// Decimal text as the program writes it: blanks around it allowed, an optional sign, digits.
// The result must fit the field; anything else is refused.
std::string TrimmedDigits(const QString &text)
{
    std::string s = text.trimmed().toStdString();
    // from_chars takes no plus sign.
    if (s.size() > 1 && s[0] == '+' && s[1] != '-' && s[1] != '+')
        s.erase(0, 1);
    return s;
}

std::optional<std::int32_t> ParseInteger(const QString &text)
{
    const std::string s = TrimmedDigits(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// A finite real that fits a float; independent of the user's locale, since the program
// writes "." as its decimal point.
std::optional<float> ParseReal(const QString &text)
{
    const std::string s = TrimmedDigits(text);
    double value = 0;
    const auto [end, error] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

QString FormatReal(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

} // namespace

EffectDialog::EffectDialog(const QString &title, CImageViewer *viewer, QWidget *owner,
                           MessageBoxes &messages)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_viewer(viewer), m_messages(messages)
{
    setWindowTitle(title);
    setModal(false);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(6);
}

EffectDialog::~EffectDialog() = default;

int EffectDialog::AddRow(const QString &label)
{
    const int row = m_nextRow++;
    m_grid->addWidget(new QLabel(label), row, 0);
    return row;
}

void EffectDialog::AddCaptions(const QStringList &captions)
{
    const int row = m_nextRow++;
    for (int i = 0; i < captions.size(); ++i) {
        auto *caption = new QLabel(captions[i]);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m_grid->addWidget(caption, row, 1 + i);
    }
}

QLineEdit *EffectDialog::AddEdit(int row, int column, const QString &name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_grid->addWidget(edit, row, 1 + column);
    return edit;
}

QComboBox *EffectDialog::AddList(int row, int column, int span, const QString &name,
                                 const QStringList &items)
{
    auto *list = new QComboBox;
    list->setObjectName(name);
    list->addItems(items);
    list->setMaxVisibleItems(8);
    m_grid->addWidget(list, row, 1 + column, 1, span);
    return list;
}

QPushButton *EffectDialog::AddChangeButton(int row, const QString &name)
{
    auto *button = new QPushButton(QStringLiteral("Change"));
    button->setObjectName(name);
    button->setAutoDefault(false); // see keyPressEvent
    m_grid->addWidget(button, row, 1 + m_editColumns);
    m_changeButtons.append(button);
    return button;
}

void EffectDialog::FinishLayout()
{
    auto *frame = new QGroupBox;
    frame->setLayout(m_grid);

    m_ok = new QPushButton(QStringLiteral("Ok"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &EffectDialog::Ok);
    connect(m_cancel, &QPushButton::clicked, this, &EffectDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // A fixed frame, like a dialog box.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EffectDialog::Bind(QLineEdit *edit, std::int32_t &field)
{
    m_bindings.append({edit, &field});
}

void EffectDialog::Bind(QLineEdit *edit, float &field)
{
    m_bindings.append({edit, &field});
}

bool EffectDialog::Read(const Binding &binding)
{
    if (auto *integer = std::get_if<std::int32_t *>(&binding.field)) {
        const auto value = ParseInteger(binding.edit->text());
        if (!value) {
            Refuse(binding.edit, QStringLiteral("Please enter an integer."));
            return false;
        }
        **integer = *value;
        return true;
    }
    const auto value = ParseReal(binding.edit->text());
    if (!value) {
        Refuse(binding.edit, QStringLiteral("Please enter a number."));
        return false;
    }
    *std::get<float *>(binding.field) = *value;
    return true;
}

bool EffectDialog::ReadEdits()
{
    for (const Binding &binding : m_bindings) {
        if (!Read(binding))
            return false;
    }
    return true;
}

bool EffectDialog::ReadEdits(const QList<QLineEdit *> &edits)
{
    for (const Binding &binding : m_bindings) {
        if (edits.contains(binding.edit) && !Read(binding))
            return false;
    }
    return true;
}

void EffectDialog::SetChangesEnabled(bool enabled)
{
    for (QPushButton *button : m_changeButtons)
        button->setEnabled(enabled);
}

void EffectDialog::WriteEdits()
{
    for (const Binding &binding : m_bindings) {
        if (auto *integer = std::get_if<std::int32_t *>(&binding.field))
            binding.edit->setText(QString::number(**integer));
        else
            binding.edit->setText(FormatReal(*std::get<float *>(binding.field)));
    }
}

void EffectDialog::Refuse(QLineEdit *edit, const QString &message)
{
    m_messages.Show(message, MessageButtons::Ok, MessageIcon::None);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void EffectDialog::Ok()
{
    StoreSelections();
    ReadEdits();
    // The write-back replaces any refused text with the field's value, so the confirmation's
    // second reading succeeds.
    WriteEdits();
    Confirm();
}

void EffectDialog::Confirm()
{
    if (ReadEdits())
        accept();
}

void EffectDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus; anywhere else it confirms the window
    // without "Ok"'s own steps. No button is marked as the default, since none of them is
    // what Enter does. Escape hides, as QDialog does.
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isEnabled())
            button->click();
        else
            Confirm();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lumaskin
