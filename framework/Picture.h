// A picture loaded from the program's resource folder.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

namespace fw {

class Picture {
public:
    explicit Picture(QImage image);

    // The picture of that name from the resource folder — the name as given, else with ".png" —
    // or null when it cannot be loaded. The folders searched, in order: the one set by
    // SetResourceFolder, else <program folder>/resources and <program folder>/../share/kestrow
    // (where the installed program keeps its data). A name that is empty, absolute or climbs out
    // of the folder ("..") loads nothing.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& name);
    // Looks in this folder only; "" restores the default folders.
    static void SetResourceFolder(const std::string& folder);

    std::int64_t Width() const noexcept { return image_.width(); }
    std::int64_t Height() const noexcept { return image_.height(); }
    const QImage& Image() const noexcept { return image_; }

private:
    QImage image_;
};

} // namespace fw
