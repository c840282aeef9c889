#pragma once
// The full-screen view of a subsystem whose own view is not built yet: a form view without a
// template that shows only the view's painted title.

#include "ui/framework/CustomFormView.h"

class CPlaceholderView : public CCustomFormView {
    Q_OBJECT
public:
    explicit CPlaceholderView(const QString& title, QWidget* parent = nullptr)
        : CCustomFormView(LayoutTriple{}, title, parent) {}
};
