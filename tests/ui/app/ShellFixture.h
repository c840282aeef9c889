#pragma once
// Fixture of the application-shell tests: the scripted platform on a 240x320 screen, the
// documents and program folders in temporary folders, and helpers that build a document and a
// main frame on them.

#include "core/common/io/DeviceFolders.h"
#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"
#include "ui/app/MainFrame.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"

#include <gtest/gtest.h>

#include <memory>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedProgramFolder_ = ProgramFolder();
        SetDocumentsFolder(documents.Path());
        SetProgramFolder(program.Path());
        InstallAppState(&state);
    }
    void TearDown() override {
        frame.reset();
        document.reset();
        InstallAppState(nullptr);
        SetDocumentsFolder(QString());
        SetProgramFolder(savedProgramFolder_);
    }

    // A document on the platform's settings and a frame showing `viewId`.
    CMainFrame& MakeFrame(int viewId) {
        frame.reset(); // its views use the document until they are gone
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        frame = std::make_unique<CMainFrame>(*document, registry);
        const Status created = frame->Create(viewId);
        EXPECT_TRUE(created.ok()) << created.error().text.toStdString();
        return *frame;
    }

    ScriptedPlatform platform;
    TempFolder documents;
    TempFolder program;
    AppState state;
    GpsFix fix;
    ScreenRegistry registry;
    std::unique_ptr<CTrevallionDoc> document;
    std::unique_ptr<CMainFrame> frame;

private:
    QString savedProgramFolder_;
};
