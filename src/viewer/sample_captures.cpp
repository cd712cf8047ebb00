#include "viewer/sample_captures.h"

#include "shared/atomic_file.h"

#include <QDir>
#include <QFile>

namespace orvant {

int installSampleCaptures(const std::filesystem::path &folder)
{
    int written = 0;
    const QDir samples(QStringLiteral(":/orvant/samples"));
    for (const QString &name : samples.entryList(QDir::Files, QDir::Name)) {
        const auto target = folder / QFile::encodeName(name).toStdString();
        if (std::filesystem::exists(target))
            continue;
        QFile source(samples.filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            continue;
        const QByteArray content = source.readAll();
        if (!writeFileAtomically(
                target,
                std::string_view(content.constData(), static_cast<std::size_t>(content.size()))))
            ++written;
    }
    return written;
}

} // namespace orvant
