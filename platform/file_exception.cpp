#include "platform/file_exception.h"

#include <QCoreApplication>
#include <cstring>

namespace lumaskin {

namespace {

std::string Describe(FileException::Operation operation, const std::string &path, int error)
{
    // Whole sentences, so that each can be translated as one.
    const char *shape = QT_TRANSLATE_NOOP("FileException", "Cannot use \"%1\"");
    switch (operation) {
    case FileException::Operation::Open:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot open \"%1\"");
        break;
    case FileException::Operation::Create:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot create \"%1\"");
        break;
    case FileException::Operation::Read:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot read \"%1\"");
        break;
    case FileException::Operation::Write:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot write to \"%1\"");
        break;
    case FileException::Operation::Seek:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot move within \"%1\"");
        break;
    case FileException::Operation::Close:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot finish writing \"%1\"");
        break;
    case FileException::Operation::Attributes:
        shape = QT_TRANSLATE_NOOP("FileException", "Cannot change the attributes of \"%1\"");
        break;
    }
    // The path is put in as bytes: a name that is not UTF-8 stays as it is.
    const std::string translated =
        QCoreApplication::translate("FileException", shape).toStdString();
    const std::size_t at = translated.find("%1");
    std::string text = at == std::string::npos
                           ? translated
                           : translated.substr(0, at) + path + translated.substr(at + 2);
    if (error != 0) {
        // strerror's texts ("No such file or directory", "Permission denied") are the
        // plainest words the system has for the reason.
        text += ": ";
        text += std::strerror(error);
    }
    text += '.';
    return text;
}

} // namespace

FileException::FileException(Operation operation, std::string path, int error)
    : std::runtime_error(Describe(operation, path, error)), m_operation(operation),
      m_path(std::move(path)), m_error(error)
{}

} // namespace lumaskin
