#include "controls/skin_accessibility.h"

#include "controls/c_label.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_progress.h"
#include "controls/skin_scroll_bar.h"
#include "controls/skin_slider.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QRegularExpression>

namespace lumaskin {

namespace {

// The name a control is given by its tooltip or label, else one made from its entry's name.
QString NameOr(const QWidget *widget, const std::string &controlName)
{
    const QString given = widget->accessibleName();
    return given.isEmpty() ? ReadableName(controlName) : given;
}

// Push button, check box or option button: pressed or toggled by its one action.
class ButtonAccessible : public QAccessibleWidget
{
public:
    ButtonAccessible(SkinButton *button, QAccessible::Role role)
        : QAccessibleWidget(button, role), m_checkable(role != QAccessible::Button)
    {}

    SkinButton *Button() const { return static_cast<SkinButton *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return NameOr(Button(), Button()->Name());
        case QAccessible::Accelerator:
            return Button()->ShortcutText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (m_checkable) {
            state.checkable = true;
            state.checked = Button()->IsChecked() != 0;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(Action()) << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == Action() && Button()->isEnabled())
            Button()->Click();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == Action() && !Button()->ShortcutText().isEmpty())
            return {Button()->ShortcutText()};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QString Action() const
    {
        return m_checkable ? QAccessibleActionInterface::toggleAction()
                           : QAccessibleActionInterface::pressAction();
    }

    bool m_checkable;
};

// Slider and progress bar: a value in a range; only the slider can be moved.
template <class Control>
class RangeAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    RangeAccessible(Control *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    Control *Range() const { return static_cast<Control *>(object()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(Range(), Range()->Name());
        if (t == QAccessible::Value)
            return QString::number(Range()->GetPos());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Range()->GetPos(); }
    void setCurrentValue(const QVariant &value) override
    {
        if constexpr (std::is_same_v<Control, SkinSlider>) {
            if (Range()->IsEnabled())
                Range()->MoveTo(value.toInt());
        }
    }
    QVariant maximumValue() const override { return Range()->MaxPos(); }
    QVariant minimumValue() const override { return Range()->MinPos(); }
    QVariant minimumStepSize() const override { return 1; }
};

class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(CLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const CLabel *>(object());
        // The "&" that marks a mnemonic is not read; "&&" shows one "&".
        QString shown = label->Text();
        shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        shown = shown.simplified();
        return shown.isEmpty() ? ReadableName(label->Name()) : shown;
    }
};

class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(SkinComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    {}

    SkinComboBox *Combo() const { return static_cast<SkinComboBox *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(Combo(), Combo()->Name());
        if (t == QAccessible::Value)
            return Combo()->Text();
        return QAccessibleWidget::text(t);
    }

    QRect rect() const override
    {
        const QRect closed = Combo()->ClosedRect();
        return QRect(Combo()->mapToGlobal(closed.topLeft()), closed.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Combo()->IsListOpen();
        state.collapsed = !Combo()->IsListOpen();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(QAccessibleActionInterface::showMenuAction())
               << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == QAccessibleActionInterface::showMenuAction())
            Combo()->ToggleList();
        else
            QAccessibleWidget::doAction(name);
    }
};

class ScrollBarAccessible : public QAccessibleWidget
{
public:
    explicit ScrollBarAccessible(SkinScrollBar *bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("SkinAccessibility", "Scroll bar");
        if (t == QAccessible::Value) {
            const auto *bar = static_cast<const SkinScrollBar *>(object());
            return QString::number(bar->ScrollPosition());
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *SkinControlAccessible(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    // Most derived first: check box and option button are buttons too.
    if (auto *check = qobject_cast<SkinCheckBox *>(object))
        return new ButtonAccessible(check, QAccessible::CheckBox);
    if (auto *option = qobject_cast<SkinOptionButton *>(object))
        return new ButtonAccessible(option, QAccessible::RadioButton);
    if (auto *button = qobject_cast<SkinButton *>(object))
        return new ButtonAccessible(button, QAccessible::Button);
    if (auto *slider = qobject_cast<SkinSlider *>(object))
        return new RangeAccessible<SkinSlider>(slider, QAccessible::Slider);
    if (auto *progress = qobject_cast<SkinProgress *>(object))
        return new RangeAccessible<SkinProgress>(progress, QAccessible::ProgressBar);
    if (auto *label = qobject_cast<CLabel *>(object))
        return new LabelAccessible(label);
    if (auto *combo = qobject_cast<SkinComboBox *>(object))
        return new ComboAccessible(combo);
    if (auto *bar = qobject_cast<SkinScrollBar *>(object))
        return new ScrollBarAccessible(bar);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(SkinControlAccessible);
}

QString ReadableName(const std::string &controlName)
{
    QString name = QString::fromUtf8(controlName.data(), qsizetype(controlName.size()));
    // The kind before the first underscore says nothing a role does not say.
    if (const qsizetype underscore = name.indexOf(u'_');
        underscore > 0 && underscore + 1 < name.size())
        name = name.mid(underscore + 1);
    name.replace(u'_', u' ');
    // Words and numbers apart: "ZOOM100" -> "ZOOM 100".
    name.replace(QRegularExpression(QStringLiteral("(\\p{L})(\\d)")), QStringLiteral("\\1 \\2"));
    name.replace(QRegularExpression(QStringLiteral("(\\d)(\\p{L})")), QStringLiteral("\\1 \\2"));
    name = name.simplified().toLower();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace lumaskin
