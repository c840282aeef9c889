// The weight and balance screens with a realistic loading: the default C172 with two people in
// front, some baggage and three quarters of its fuel. The view reads it from weight.txt, as it
// does at start-up; the dialogs get it computed.
#include "GalleryScreen.h"

#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/AircraftFleet.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingText.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"
#include "ui/weight-balance/GraphDlg.h"
#include "ui/weight-balance/WeightBalanceDlg.h"
#include "ui/weight-balance/WeightBalanceView.h"

namespace {

const QString kSampleLoading = QStringLiteral("Aircraft=N123A\r\nPilot seat=170.0\r\n"
                                              "Right seat=150.0\r\nBaggage 1=30.0\r\n"
                                              "Fuel=3/4\r\nMain fuel=37.5,18.0\r\n");

// The view on a document of its own, started from the sample loading in weight.txt.
class CViewSample : public QWidget {
public:
    explicit CViewSample(QWidget* parent) : document_(CurrentPlatform().Settings(), fix_) {
        (void)WriteLoadingFile(WeightFilePath(), kSampleLoading);
        view_ = std::make_unique<CWeightBalanceView>(document_, commands_, this);
        created_ = view_->Create();
        view_->resize(parent->size());
        resize(parent->size());
    }
    bool Created() const { return created_; }

private:
    GpsFix fix_;
    CTrevallionDoc document_;
    CCommandTable commands_;
    std::unique_ptr<CWeightBalanceView> view_; // destroyed first: it borrows the document
    bool created_ = false;
};

std::unique_ptr<QWidget> MakeView(GalleryContext& context) {
    auto sample = std::make_unique<CViewSample>(context.frame);
    if (!sample->Created())
        return nullptr;
    return sample;
}

WorkingLoading SampleLoading() {
    const AircraftStore store;
    Outcome<std::optional<WorkingLoading>> applied = ApplyLoadingText(kSampleLoading, store);
    return *applied.value();
}

std::unique_ptr<QWidget> MakeGraph(GalleryContext& context) {
    const WorkingLoading w = SampleLoading();
    const ComputedLoading c = ComputeLoading(w.type, w.aircraft, w.loading, AppSettings());
    auto dialog = std::make_unique<CGraphDlg>(w.type, c.results, true, context.frame);
    if (!dialog->Create())
        return nullptr;
    return dialog;
}

std::unique_ptr<QWidget> MakeDetails(GalleryContext& context) {
    const WorkingLoading w = SampleLoading();
    const ComputedLoading c = ComputeLoading(w.type, w.aircraft, w.loading, AppSettings());
    auto dialog = std::make_unique<CWeightBalanceDlg>(w.type, w.aircraft, w.loading, c.results,
                                                      context.frame);
    if (!dialog->Create())
        return nullptr;
    return dialog;
}

const GalleryRegistration kView{"CWeightBalanceView", CWeightBalanceView::kTemplates, MakeView};
const GalleryRegistration kGraph{"CGraphDlg", CGraphDlg::kTemplates, MakeGraph};
const GalleryRegistration kDetails{"CWeightBalanceDlg", CWeightBalanceDlg::kTemplates, MakeDetails};

} // namespace
