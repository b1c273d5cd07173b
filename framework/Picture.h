// A picture loaded from the program's resource folders, which the program names at start-up.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Picture {
public:
    explicit Picture(QImage image);

    // The picture of that name from the resource folders — the name as given, else with ".png" —
    // or null when it cannot be loaded. The folders searched, in order: the one set by
    // SetResourceFolder, else those set by SetProgramFolders (none until the program sets them).
    // A name that is empty, absolute or climbs out of the folder ("..") loads nothing.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& name);
    // The program's own folders, searched in order; a relative folder is taken from the folder of
    // the program's executable. The program sets them at start-up.
    static void SetProgramFolders(std::vector<std::string> folders);
    // Looks in this folder only (tests point it at a folder of their own); "" goes back to the
    // program's folders.
    static void SetResourceFolder(const std::string& folder);

    std::int64_t Width() const noexcept { return image_.width(); }
    std::int64_t Height() const noexcept { return image_.height(); }
    const QImage& Image() const noexcept { return image_; }

private:
    QImage image_;
};

} // namespace fw
