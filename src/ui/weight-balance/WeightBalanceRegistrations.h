#pragma once
// The weight and balance screens the main frame offers: the Weight - Balance view.

class ScreenRegistry;

void RegisterWeightBalanceScreens(ScreenRegistry& registry);
