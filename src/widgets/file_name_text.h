#pragma once

#include "shared/system_file.h"

#include <QFile>
#include <QString>

#include <string>

namespace orvant {

// A path or name as the program keeps it (the system's bytes for file names; UTF-8
// with native separators on Windows) shown as text, and a typed text back.
inline QString fileNameText(const std::string &bytes)
{
    if constexpr (kWindows)
        return QString::fromStdString(bytes);
    else
        return QFile::decodeName(QByteArray::fromStdString(bytes));
}

inline std::string fileNameBytes(const QString &text)
{
    if constexpr (kWindows)
        return text.toStdString();
    else
        return QFile::encodeName(text).toStdString();
}

} // namespace orvant
