#pragma once

namespace tarvolin {

// How an editor changes the instrument's parameters of the current channel:
// each user's edit begins, sets values (any number of times while a knob is
// dragged) and ends. A format's face implements it, storing each value and
// telling its host in that format's words.
class EditController {
public:
    virtual void beginEdit(int index) = 0;
    virtual void setEditedValue(int index, float value) = 0;
    virtual void endEdit(int index) = 0;
    // The value the editor shows.
    virtual float editedValue(int index) const = 0;

protected:
    ~EditController() = default;
};

} // namespace tarvolin
