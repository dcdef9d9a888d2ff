// Text between the window and the core. The core takes texts meant for
// files (route name, description, prefix, paths in the list and the
// settings file) in the system's 8-bit code page, as QString::toLocal8Bit
// gives them; messages it produces are UTF-8.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace morlindo::ui {

inline std::string systemTextOf(const QString& text) { return text.toLocal8Bit().toStdString(); }

inline QString fromSystemText(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A path for the file functions of the core.
inline std::filesystem::path filePathOf(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace morlindo::ui
