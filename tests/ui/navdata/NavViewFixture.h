#pragma once
// Fixture of the airport directory tests: the scripted platform, a document whose navigation data
// is a small test file, and the application state.

#include "core/navdata/NavTestData.h"
#include "support/ScriptedPlatform.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"

#include <memory>

class NavViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallAppState(&state);
        navFile = WriteNavFile(folder, NavBytes(SampleData()));
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        ASSERT_TRUE(document->NavData().LoadNavData(navFile));
    }
    void TearDown() override {
        document.reset();
        InstallAppState(nullptr);
    }

    static NavDataSet SampleData() {
        NavDataSet data;
        data.description = QStringLiteral("Washington State");
        data.airports = {TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE", 3, 2, 1),
                         TestAirport("S43", "", "SNOHOMISH", 1, 0, 2),
                         TestAirport("KBFI", "BOEING FIELD", "SEATTLE", 0, 0, 4)};
        data.airports[2].record.utcOffset = 0;
        data.navAids = {TestNavAid("SEA", kNavAidVortac, "SEATTLE"),
                        TestNavAid("PAE", kNavAidVorDme, "PAINE")};
        return data;
    }

    QStringList Messages() const {
        QStringList texts;
        for (const auto& m : platform.messages)
            texts << m.text;
        return texts;
    }

    ScriptedPlatform platform;
    AppState state;
    GpsFix fix;
    TempFolder folder;
    QString navFile;
    std::unique_ptr<CTrevallionDoc> document;
};
