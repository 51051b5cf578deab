#include "FilePaths.h"

#include <QDir>

std::filesystem::path ToFsPath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

QString FileNameOf(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return native.mid(native.lastIndexOf(QDir::separator()) + 1);
}
