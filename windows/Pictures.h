// The program's two pictures, read by name from the resource folder on first use. Each accessor
// keeps its own process-wide cache: empty while loading fails (every call tries again), then the
// one picture object for the rest of the process, shared by every window that shows it.
#pragma once

#include "framework/Picture.h"

#include <memory>

namespace kestrow {

// "urn200.png", the About window's picture; null while it cannot be loaded.
std::shared_ptr<fw::Picture> urn200();
// "icon_64" (the framework adds ".png"), the experiment window's icon; null while it cannot be loaded.
std::shared_ptr<fw::Picture> icon_64();

} // namespace kestrow
