#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace orvant {

// A path or name as the program keeps it (the system's bytes for file names; UTF-8
// with native separators on Windows) shown as text, and a typed text back.
inline QString fileNameText(const std::string &bytes)
{
#ifdef _WIN32
    return QString::fromStdString(bytes);
#else
    return QFile::decodeName(QByteArray::fromStdString(bytes));
#endif
}

inline std::string fileNameBytes(const QString &text)
{
#ifdef _WIN32
    return text.toStdString();
#else
    return QFile::encodeName(text).toStdString();
#endif
}

} // namespace orvant
