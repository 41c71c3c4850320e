#pragma once

#include <cstdint>

namespace vorn {

// The picture area's four input handlers, which the form implements and a
// windowing layer's input reaches only through PictureInput.
class PictureHandlers {
public:
    virtual ~PictureHandlers() = default;
    virtual void Picture1_Click() = 0;
    virtual void Picture1_DblClick() = 0;
    virtual void Picture1_KeyPress(std::int16_t keyAscii) = 0;
    virtual void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
};

}  // namespace vorn
