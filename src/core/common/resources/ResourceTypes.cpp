#include "core/common/resources/ResourceTypes.h"

#include <algorithm>

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

bool MenuItem::operator==(const MenuItem& other) const {
    return text == other.text && id == other.id && separator == other.separator &&
           flags == other.flags &&
           std::equal(children.begin(), children.end(), other.children.begin(),
                      other.children.end());
}
