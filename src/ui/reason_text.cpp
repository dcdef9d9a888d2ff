#include "ui/reason_text.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <string>
#include <vector>

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

struct SystemWords {
    int errorNumber;
    const char* words;  // the key of their translation
};

// The errno values a user meets when converting files, in the words the
// GNU C library gives them.
const SystemWords kSystemWords[] = {
    {ENOENT, QT_TRANSLATE_NOOP("SystemReason", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("SystemReason", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("SystemReason", "Operation not permitted")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemReason", "No space left on device")},
    {EROFS, QT_TRANSLATE_NOOP("SystemReason", "Read-only file system")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemReason", "Is a directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemReason", "Not a directory")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemReason", "File exists")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemReason", "File too large")},
    {EIO, QT_TRANSLATE_NOOP("SystemReason", "Input/output error")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemReason", "File name too long")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemReason", "Too many open files")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemReason", "Device or resource busy")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemReason", "Invalid argument")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("SystemReason", "Disk quota exceeded")},
#endif
};

// A value as the window shows it: an errno value in the window's words
// where they are known, the system's words otherwise.
std::string valueText(const ReasonValue& value) {
    if (value.errorNumber == 0) return value.text;
    for (const SystemWords& known : kSystemWords) {
        if (known.errorNumber != value.errorNumber) continue;
        const QString words = QCoreApplication::translate("SystemReason", known.words);
        return words == QLatin1String(known.words) ? value.text : words.toStdString();
    }
    return value.text;
}

// A path in a message, its control characters escaped as the core's
// messages show them: a line break in a name would split the message.
QString shownPath(const std::filesystem::path& path) {
    return fromUtf8(printableText(QDir::toNativeSeparators(qStringOf(path)).toStdString()));
}

}  // namespace

QString reasonText(const Error& error) {
    std::vector<std::string> values;
    for (const ReasonValue& value : error.values()) values.push_back(valueText(value));
    const QString pattern = QCoreApplication::translate("CoreReason", error.pattern());
    return fromUtf8(fillPattern(pattern.toStdString(), values));
}

QString failureText(const std::filesystem::path& input, const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Error& error) {
        // An Error names its own file: the input, or the output it could
        // not write.
        if (error.line() > 0) {
            //: %1 is the file, %2 the line, %3 the reason.
            return QCoreApplication::translate("FailureMessage", "%1:%2: %3")
                .arg(shownPath(error.path()), QString::number(error.line()), reasonText(error));
        }
        //: %1 is the file, %2 the reason.
        return QCoreApplication::translate("FailureMessage", "%1: %2")
            .arg(shownPath(error.path()), reasonText(error));
    } catch (const std::exception& error) {
        return QCoreApplication::translate("FailureMessage", "%1: %2")
            .arg(shownPath(input), QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace morlindo::ui
