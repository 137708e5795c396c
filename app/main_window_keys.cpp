#include "app/main_window_keys.h"

#include "app/main_dialog.h"

#include <QShortcut>

namespace lumaskin {

std::span<const WindowKey> WindowKeys()
{
    // Desktop habits: Ctrl+O opens, Ctrl+S writes, Ctrl+Q quits, Ctrl+plus, minus and 0 zoom,
    // F10 and Shift+F10 open the menu; Alt and the underlined-looking first letter open the
    // effect windows and restore, as a button's mnemonic would.
    static const WindowKey keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), "BUTTON_ADD"},
        {QKeySequence(Qt::Key_Delete), "BUTTON_DEL"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), "BUTTON_DELALL"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "BUTTON_CONVERT"},
        {QKeySequence(Qt::CTRL | Qt::Key_Return), "BUTTON_CONVERT"},
        {QKeySequence(Qt::CTRL | Qt::Key_Enter), "BUTTON_CONVERT"},
        {QKeySequence(Qt::ALT | Qt::Key_C), "BUTTON__EFFECT1"},
        {QKeySequence(Qt::ALT | Qt::Key_F), "BUTTON__EFFECT2"},
        {QKeySequence(Qt::ALT | Qt::Key_R), "BUTTON__RESTORE"},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), "BUTTON_IN"},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), "BUTTON_IN"},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), "BUTTON_OUT"},
        {QKeySequence(Qt::CTRL | Qt::Key_0), "BUTTON_ZOOM100"},
        {QKeySequence(Qt::CTRL | Qt::Key_T), "BUTTON_STEPS"},
        {QKeySequence(Qt::Key_F10), kSkinMenuCommand},
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), kSkinMenuCommand},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), "BUTTON_CLOSE"},
        {QKeySequence(Qt::CTRL | Qt::Key_W), "BUTTON_CLOSE"},
    };
    return keys;
}

QString KeyTextFor(const std::string &command)
{
    for (const WindowKey &key : WindowKeys()) {
        if (command == key.command)
            return key.keys.toString(QKeySequence::NativeText);
    }
    return {};
}

void InstallMainWindowKeys(MainDialog &dialog)
{
    for (const WindowKey &key : WindowKeys()) {
        auto *shortcut = new QShortcut(key.keys, &dialog);
        const std::string command = key.command;
        if (command == kSkinMenuCommand) {
            QObject::connect(shortcut, &QShortcut::activated, &dialog,
                             [&dialog] { dialog.PopUpSkinMenu(); });
            continue;
        }
        QObject::connect(shortcut, &QShortcut::activated, &dialog,
                         [&dialog, command] { dialog.OnControlClicked(command); });
    }
}

} // namespace lumaskin
