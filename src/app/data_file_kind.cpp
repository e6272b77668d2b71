#include "app/data_file_kind.h"

#include <QFileInfo>

std::optional<ToolKind> DataFileKind(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("ref"))
        return ToolKind::Refinance;
    if (extension == QLatin1String("bam"))
        return ToolKind::Amortization;
    return std::nullopt;
}
