#include "core/common/ResourceTypes.h"

const ControlTemplate* DialogTemplate::Control(int controlId) const {
    const int index = IndexOf(controlId);
    return index < 0 ? nullptr : &controls[index];
}

int DialogTemplate::IndexOf(int controlId) const {
    for (int i = 0; i < controls.size(); ++i)
        if (controls[i].id == controlId)
            return i;
    return -1;
}
