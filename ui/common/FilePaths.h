#pragma once

#include <QString>

#include <filesystem>

// Paths cross from Qt to the model here, and only here.
std::filesystem::path ToFsPath(const QString& path);

// The part of a path after its last separator, or the whole path.
QString FileNameOf(const QString& path);
