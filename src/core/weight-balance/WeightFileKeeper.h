#pragma once
// Keeps weight.txt in step with the weight and balance view's loading, so that it survives a
// restart or a crash: written after every change that alters the loading and once more when the
// view goes, never for the state "no aircraft" (which would lose the last real loading).

#include "core/common/Outcome.h"

class LoadingSession;

class WeightFileKeeper {
public:
    // Writes the session's loading text when it has an aircraft. Returns the failure to show: a
    // failed write is told once and again only after a write has succeeded in between, and not
    // at all when `tell` is false (the view is going away). Success otherwise.
    Status Save(const LoadingSession& session, bool tell);

private:
    bool failed_ = false; // the last write failed
};
