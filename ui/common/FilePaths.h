#pragma once

#include <QString>

#include <filesystem>

// Paths cross from Qt to the model here, and only here.
std::filesystem::path ToFsPath(const QString& path);

// The part of a path after its last separator, or the whole path.
QString FileNameOf(const QString& path);

class QMimeData;
// The file a drag carries, when it carries exactly one local file (not a
// folder) whose name ends in one of the endings (".dat", in any letter
// case); otherwise an empty text.
QString DraggedFile(const QMimeData& data, const QStringList& endings);
