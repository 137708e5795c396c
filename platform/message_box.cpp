#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace lumaskin {

QString ProgramName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Lumaskin") : name;
}

MessageAnswer QtMessageBoxes::Show(const QString &text, MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    ProgramName(), text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::OverwriteSkipKeepBoth: {
        QPushButton *overwrite =
            box.addButton(QCoreApplication::translate("MessageBoxes", "Overwrite all"),
                          QMessageBox::DestructiveRole);
        QPushButton *skip = box.addButton(QCoreApplication::translate("MessageBoxes", "Skip all"),
                                          QMessageBox::ActionRole);
        QPushButton *keep = box.addButton(QCoreApplication::translate("MessageBoxes", "Keep both"),
                                          QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        // Keeping both loses nothing, so Enter chooses it.
        box.setDefaultButton(keep);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == overwrite)
            return MessageAnswer::Overwrite;
        if (box.clickedButton() == skip)
            return MessageAnswer::Skip;
        if (box.clickedButton() == keep)
            return MessageAnswer::KeepBoth;
        return MessageAnswer::Cancel;
    }
    case MessageButtons::OkOpenFolder: {
        QPushButton *open = box.addButton(
            QCoreApplication::translate("MessageBoxes", "Open folder"), QMessageBox::ActionRole);
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.exec();
        return box.clickedButton() == open ? MessageAnswer::OpenFolder : MessageAnswer::Ok;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
}

} // namespace lumaskin
