#pragma once

#include <QString>

#include <filesystem>

// Paths cross from Qt to the model here, and only here.
std::filesystem::path ToFsPath(const QString& path);

// The part of a path after its last separator, or the whole path.
QString FileNameOf(const QString& path);

class QMimeData;
// The file a drag carries, when it carries exactly one local file whose name
// ends in one of the endings (".dat", in any letter case) and, while the
// drag is only offered, that is a file (not a folder); otherwise an empty
// text. By the drop it may have gone, which opening it then reports.
enum class DragStage { kOffered, kDropped };
QString DraggedFile(const QMimeData& data, const QStringList& endings, DragStage stage);
