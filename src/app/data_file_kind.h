#pragma once

#include "app/tool_window.h"

#include <optional>

#include <QString>

// The tool window that opens a calculator data file, told by the file's extension:
// "ref" the refinance advisor, "bam" the amortization schedule (letter case ignored).
// Nothing for any other file.
std::optional<ToolKind> DataFileKind(const QString& path);
