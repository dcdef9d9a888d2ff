// Text and paths between the window and the core. The core takes texts as
// UTF-8 and paths as std::filesystem::path; only the converters turn text
// into a code page, where they write it into a file.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace morlindo::ui {

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A path as Qt names it, and back: UTF-16 on Windows, the file system's
// bytes elsewhere, so that every name survives both ways.
inline std::filesystem::path filePathOf(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

inline QString qStringOf(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

}  // namespace morlindo::ui
