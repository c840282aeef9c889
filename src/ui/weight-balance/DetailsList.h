#pragma once
// Fills a report list with the details of a loading (the "Details" tab and the "Weight &
// Balance" dialog): the columns of LoadingDetails, then its rows.

#include "core/weight-balance/LoadingDetails.h"

class QTreeWidget;

void FillDetailsList(QTreeWidget* list, const LoadingDetails& details);
