// Picture accessors: load on demand, keep the first successful load for the life of the process.
#include "windows/Pictures.h"

namespace kestrow {
namespace {

std::shared_ptr<fw::Picture> Cached(std::shared_ptr<fw::Picture>& pic, const char* name) {
    if (!pic) pic = fw::Picture::OpenFromApp(name);
    return pic;
}

} // namespace

std::shared_ptr<fw::Picture> urn200() {
    static std::shared_ptr<fw::Picture> pic;
    return Cached(pic, "urn200.png");
}

std::shared_ptr<fw::Picture> icon_64() {
    static std::shared_ptr<fw::Picture> pic;
    return Cached(pic, "icon_64");
}

} // namespace kestrow
