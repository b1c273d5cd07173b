// The credit line, made once on first use; callers only read it.
#include "windows/Version.h"

namespace kestrow {

const std::string& CreditLine() {
    static const std::string line = std::string("© ") + kAuthor;
    return line;
}

} // namespace kestrow
