// The application class: registration and version data.
#include "app/Kestrow.h"

#include "framework/ClassRegistry.h"
#include "windows/Version.h"

namespace kestrow {

Kestrow::Kestrow() : fw::Application(kClassName) {}

void Kestrow::SetVersionData() {
    _x_SetVersionData(kMajorVersion, kMinorVersion, kBugVersion, kNonReleaseVersion, kStageCode, CreditLine(),
                      kShortVersion, kDisplayName);
}

void Kestrow::Register() { fw::RegisterClass(kClassName, "Application", {}); }

} // namespace kestrow
