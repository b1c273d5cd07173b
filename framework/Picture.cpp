// Pictures by name from the resource folders. QImage (not QPixmap) so that a picture a program
// keeps for its whole life may outlive the Qt application.
#include "framework/Picture.h"

#include "framework/UiThread.h"
#include "framework/detail/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace fw {
namespace {

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

QStringList Folders() {
    if (!FolderOverride().empty()) return {detail::ToQt(FolderOverride())};
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/resources"), programFolder + QStringLiteral("/../share/kestrow")};
}

bool IsPlainName(const QString& name) {
    if (name.isEmpty() || QDir::isAbsolutePath(name)) return false;
    const QStringList parts = name.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    return !parts.contains(QStringLiteral(".."));
}

} // namespace

Picture::Picture(QImage image) : image_(std::move(image)) {}

std::shared_ptr<Picture> Picture::OpenFromApp(const std::string& name) {
    RequireUiThread();
    const QString plain = detail::ToQt(name);
    if (!IsPlainName(plain)) return nullptr;
    for (const QString& folder : Folders()) {
        for (const QString& candidate : {plain, plain + QStringLiteral(".png")}) {
            const QString path = QDir(folder).filePath(candidate);
            QImage image;
            if (QFileInfo(path).isFile() && image.load(path)) return std::make_shared<Picture>(std::move(image));
        }
    }
    return nullptr;
}

void Picture::SetResourceFolder(const std::string& folder) {
    RequireUiThread();
    FolderOverride() = folder;
}

} // namespace fw
