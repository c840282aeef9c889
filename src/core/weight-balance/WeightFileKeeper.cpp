#include "core/weight-balance/WeightFileKeeper.h"

#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingSession.h"

Status WeightFileKeeper::Save(const LoadingSession& session, bool tell) {
    if (!session.HasAircraft())
        return {};
    Status written = WriteWeightFile(session.MakeText());
    const bool toldBefore = failed_;
    failed_ = !written.ok();
    if (written.ok() || !tell || toldBefore)
        return {};
    return written;
}
