// The application class: registration and version data.
#include "shell/Kestrow.h"

#include "framework/ClassRegistry.h"
#include "help/HelpText.h"

namespace kestrow {

Kestrow::Kestrow() : fw::Application("Kestrow") {}

void Kestrow::SetVersionData() {
    _x_SetVersionData(kMajorVersion, kMinorVersion, kBugVersion, kNonReleaseVersion, kStageCode, CreditLine(),
                      kShortVersion, kPackageInfo);
}

void Kestrow::Register() { fw::RegisterClass("Kestrow", "Application", {}); }

}  // namespace kestrow
