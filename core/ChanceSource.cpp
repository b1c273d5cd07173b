// Anchors ChanceSource's vtable in one translation unit.
#include "core/ChanceSource.h"

namespace core {

ChanceSource::~ChanceSource() = default;

} // namespace core
