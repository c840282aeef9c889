#pragma once
// Fixture of the weight and balance screen tests: the scripted platform, the documents folder in
// a temporary folder, a document with the default fleet and helpers to make the view.

#include "core/common/io/DeviceFolders.h"
#include "core/weight-balance/LoadingFile.h"
#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/EditGrid.h"
#include "ui/weight-balance/WeightBalanceView.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

class WeightBalanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDocumentsFolder(documents.Path());
        InstallAppState(&state);
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
    }
    void TearDown() override {
        view.reset();
        document.reset();
        InstallAppState(nullptr);
        SetDocumentsFolder(QString());
    }

    CWeightBalanceView& MakeView() {
        view.reset();
        view = std::make_unique<CWeightBalanceView>(*document, commands);
        view->resize(platform.screen.Size());
        EXPECT_TRUE(view->Create()) << view->CreateError().toStdString();
        return *view;
    }

    CEditGrid* Grid(int id) const { return view->Item<CEditGrid>(id); }
    QString Status() const { return view->GetDlgItemText(IDC_WB_STATUS); }
    QString WeightFile() const {
        const Outcome<QString> read = ReadLoadingFile(WeightFilePath());
        return read.ok() ? read.value() : QString();
    }
    // Selects a row of a grid and presses keypad buttons.
    void Type(int gridId, int row, std::initializer_list<int> keys) {
        Grid(gridId)->setCurrentItem(Grid(gridId)->topLevelItem(row));
        for (int key : keys)
            view->Button(key)->click();
    }

    ScriptedPlatform platform;
    TempFolder documents;
    AppState state;
    GpsFix fix;
    std::unique_ptr<CTrevallionDoc> document;
    CCommandTable commands; // the view's commands while it lives
    std::unique_ptr<CWeightBalanceView> view;
};
