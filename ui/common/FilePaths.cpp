#include "FilePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

std::filesystem::path ToFsPath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

QString FileNameOf(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return native.mid(native.lastIndexOf(QDir::separator()) + 1);
}

QString DraggedFile(const QMimeData& data, const QStringList& endings, DragStage stage) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    for (const QString& ending : endings)
        if (path.endsWith(ending, Qt::CaseInsensitive) &&
            (stage == DragStage::kDropped || QFileInfo(path).isFile()))
            return path;
    return {};
}
