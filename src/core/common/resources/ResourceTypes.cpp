#include "core/common/resources/ResourceTypes.h"

#include "core/common/resources/ResourceStyles.h"

#include <algorithm>

bool ControlTemplate::HasStyle(const QString& style) const {
    Q_ASSERT_X(IsKnownResourceStyle(style), "HasStyle", qPrintable(style));
    return styles.contains(style);
}

bool ControlTemplate::LacksStyle(const QString& style) const {
    Q_ASSERT_X(IsKnownResourceStyle(style), "LacksStyle", qPrintable(style));
    return notStyles.contains(style);
}

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
