// Character styles of a TextArea (TextArea::StyledText()). Positions count characters from 0, each
// line end as one character.
#pragma once

#include <cstdint>

namespace fw {

class TextArea;

class StyledText {
public:
    // Sets or clears bold on [start, start + length), clipped to the text; OutOfBoundsException
    // for a negative start or length.
    void Bold(std::int64_t start, std::int64_t length, bool bold);
    // Whether the character at `position` is bold; OutOfBoundsException outside the text.
    bool IsBold(std::int64_t position) const;

private:
    friend class TextArea;
    explicit StyledText(TextArea& area) : area_(area) {}
    TextArea& area_;
};

} // namespace fw
