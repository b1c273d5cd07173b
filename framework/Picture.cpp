// Pictures by name from the resource folders the program names. QImage (not QPixmap) so that a
// picture a program keeps for its whole life may outlive the Qt application.
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

std::vector<std::string>& ProgramFolders() {
    static std::vector<std::string> folders;
    return folders;
}

QStringList Folders() {
    if (!FolderOverride().empty()) return {detail::ToQt(FolderOverride())};
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList folders;
    for (const std::string& folder : ProgramFolders()) folders.append(programFolder.filePath(detail::ToQt(folder)));
    return folders;
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

void Picture::SetProgramFolders(std::vector<std::string> folders) {
    RequireUiThread();
    ProgramFolders() = std::move(folders);
}

void Picture::SetResourceFolder(const std::string& folder) {
    RequireUiThread();
    FolderOverride() = folder;
}

} // namespace fw
