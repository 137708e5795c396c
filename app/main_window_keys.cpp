#include "app/main_window_keys.h"

#include "app/main_dialog.h"

#include <QKeySequence>
#include <QShortcut>
#include <string>

namespace lumaskin {

void InstallMainWindowKeys(MainDialog &dialog)
{
    const auto bind = [&dialog](const QKeySequence &keys, const char *command) {
        auto *shortcut = new QShortcut(keys, &dialog);
        const std::string name = command;
        // Through the command table, so a running conversion refuses what it refuses there.
        QObject::connect(shortcut, &QShortcut::activated, &dialog,
                         [&dialog, name] { dialog.OnControlClicked(name); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), "BUTTON_ADD");
    bind(QKeySequence(Qt::Key_Delete), "BUTTON_DEL");
    bind(QKeySequence(Qt::CTRL | Qt::Key_Q), "BUTTON_CLOSE");
    bind(QKeySequence(Qt::CTRL | Qt::Key_W), "BUTTON_CLOSE");
    bind(QKeySequence(Qt::CTRL | Qt::Key_T), "BUTTON_STEPS");
}

} // namespace lumaskin
