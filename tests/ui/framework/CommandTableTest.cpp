// The command table: layers and their order, derived states, disabled commands, the actions the
// menus share, and commands posted to run later.
#include "ui/framework/CommandTable.h"
#include "resource.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <optional>

namespace {

// A command that logs `name` when it runs.
Command Logging(int id, QStringList& log, const QString& name,
                std::function<CommandState()> state = {}) {
    return {id, [&log, name] { log.append(name); }, std::move(state)};
}

TEST(CommandTable, TheNewestLayerHandlingAnIdRunsAndItsStateCounts) {
    QStringList log;
    bool checked = false;
    CCommandTable table;
    const CCommandTable::Layer frame = table.Add(
        {Logging(ID_FILE_SAVE, log, "frame save"), Logging(ID_FILE_EXIT, log, "frame exit")});
    std::optional<CCommandTable::Layer> view =
        table.Add({Logging(ID_FILE_SAVE, log, "view save",
                           [&checked] {
                               return CommandState{true, checked};
                           }),
                   Logging(ID_FILE_OPEN, log, "view open", [] {
                       return CommandState{false, false};
                   })});

    const struct {
        int id;
        bool viewShown;
        bool checkedNow;
        bool runs;
        bool checkedState;
        const char* ran; // "" when nothing runs
    } cases[] = {
        {ID_FILE_SAVE, true, false, true, false, "view save"},  // the view's layer wins
        {ID_FILE_SAVE, true, true, true, true, "view save"},    // its state is asked each time
        {ID_FILE_EXIT, true, false, true, false, "frame exit"}, // what the view lacks falls through
        {ID_FILE_OPEN, true, false, false, false, ""},          // disabled: nothing runs
        {ID_APP_ABOUT, true, false, false, false, ""},          // nothing handles it
        {ID_FILE_SAVE, false, false, true, false, "frame save"}, // the view gone: the frame's
        {ID_FILE_OPEN, false, false, false, false, ""},          // and the view's own went too
    };
    for (const auto& c : cases) {
        if (!c.viewShown)
            view.reset();
        checked = c.checkedNow;
        log.clear();
        EXPECT_EQ(table.State(c.id).enabled, c.runs) << c.id;
        EXPECT_EQ(table.State(c.id).checked, c.checkedState) << c.id;
        EXPECT_EQ(table.Run(c.id), c.runs) << c.id;
        EXPECT_EQ(log, c.runs ? QStringList{c.ran} : QStringList{}) << c.id;
    }
}

// One action an id, in every menu it is placed in; a menu choice runs the command only while it
// is enabled, and the check box shows only while checked.
TEST(CommandTable, TheSharedActionFollowsTheDerivedState) {
    QStringList log;
    bool enabled = true;
    bool checked = true;
    CCommandTable table;
    const CCommandTable::Layer layer = table.Add({Logging(ID_VIEW_TIMES, log, "times", [&] {
        return CommandState{enabled, checked};
    })});
    QAction* action = table.Action(ID_VIEW_TIMES);
    EXPECT_EQ(table.Action(ID_VIEW_TIMES), action);
    EXPECT_EQ(action->data().toInt(), ID_VIEW_TIMES);
    QMenu first;
    QMenu second;
    first.addAction(action);
    second.addAction(action);

    table.Refresh(ID_VIEW_TIMES);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(action->isChecked());
    checked = false;
    table.Refresh(ID_VIEW_TIMES);
    EXPECT_FALSE(action->isCheckable()); // no empty box beside an unchecked item
    second.actions().first()->trigger();
    EXPECT_EQ(log, QStringList{"times"});
    // Disabled since the menu opened: the choice does nothing.
    enabled = false;
    first.actions().first()->trigger();
    EXPECT_EQ(log, QStringList{"times"});
    table.Refresh(ID_VIEW_TIMES);
    EXPECT_FALSE(action->isEnabled());
}

// A dialog hands on to another by posting: the command runs once control is back in the event
// loop, with the state it has then, and not at all once the table is gone.
TEST(CommandTable, APostedCommandRunsLaterWithTheStateItHasThen) {
    QStringList log;
    bool enabled = true;
    auto table = std::make_unique<CCommandTable>();
    CCommandTable::Layer layer = table->Add({Logging(
        ID_CALC_HEADING_TIME, log, "heading", [&enabled] { return CommandState{enabled}; })});
    table->Post(ID_CALC_HEADING_TIME);
    EXPECT_TRUE(log.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"heading"});

    enabled = false;
    table->Post(ID_CALC_HEADING_TIME);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"heading"});

    enabled = true;
    table->Post(ID_CALC_HEADING_TIME);
    table.reset(); // the layer outlives its table harmlessly
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"heading"});
    layer.Reset();
}

} // namespace
