// Gallery screens of flight planning: the Flight Planning view with a three-leg route over the
// shipped world file, a wind and the default fleet's C172.
#include "GalleryScreen.h"

#include "core/gps/GpsFix.h"
#include "core/navdata/NavFileChoice.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"
#include "ui/planning/PlanningView.h"

namespace {

const GalleryRegistration kPlanning{
    "CPlanningView", CPlanningView::kTemplates, [](GalleryContext& c) -> std::unique_ptr<QWidget> {
        auto view = std::make_unique<CPlanningView>(GalleryDocument(), c.commands, c.frame);
        if (!view->Create())
            return nullptr;
        view->SetDlgItemText(IDC_PLAN_ROUTE, QStringLiteral("KOLM KSEA KPAE KBLI"));
        view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("270"));
        view->SetDlgItemText(IDC_PLAN_WIND_SPEED, QStringLiteral("20"));
        view->Recompute();
        return view;
    }};

} // namespace
