#pragma once
// The commands of the menus, the help button and the hand-offs between dialogs, by command id.
// Each id has one QAction, shared by every menu that shows the id (its text is that of the menu
// item it was placed for) and carrying the id as QAction::data(). Triggering the action runs the
// handler of the newest layer that has the id; with no such layer the command is disabled.
//
// Owners add their commands as a layer and keep the returned handle: the main frame its own
// commands and the registered dialogs for its life, the current view its commands while it is
// shown. The states are derived, not pushed: enabled and checked come from the command's state
// function whenever they are asked for (before a menu opens, before a command runs).
//
//   layer_ = commands.Add({{ID_FILE_SAVE, [this] { Save(); }},
//                          {ID_TIMES_LOCAL_TIME, [this] { Toggle(); },
//                           [this] { return CommandState{true, localTime_}; }}});

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

class QAction;

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

struct Command {
    // Without a state function the command is enabled and unchecked.
    Command(int commandId, std::function<void()> handler,
            std::function<CommandState()> stateNow = {})
        : id(commandId), run(std::move(handler)), state(std::move(stateNow)) {}

    int id;
    std::function<void()> run;
    std::function<CommandState()> state;
};

class CCommandTable : public QObject {
    Q_OBJECT
public:
    // The commands one owner added; they go when the handle goes (or is reset).
    class Layer {
    public:
        Layer() = default;
        ~Layer();
        Layer(Layer&& other) noexcept;
        Layer& operator=(Layer&& other) noexcept;
        Layer(const Layer&) = delete;
        Layer& operator=(const Layer&) = delete;
        void Reset();

    private:
        friend class CCommandTable;
        Layer(CCommandTable* table, int key) : table_(table), key_(key) {}
        QPointer<CCommandTable> table_;
        int key_ = 0;
    };

    explicit CCommandTable(QObject* parent = nullptr);

    // Adds the commands above every earlier layer: for an id in several layers the newest wins.
    [[nodiscard]] Layer Add(QList<Command> commands);

    // The action of a command id, made on first use; the table owns it.
    QAction* Action(int id);
    bool Handles(int id) const { return Find(id) != nullptr; }
    // The state of the command now: disabled when no layer has the id.
    CommandState State(int id) const;
    bool CanRun(int id) const { return State(id).enabled; }
    // Gives the action of this id its current state. An item shows a check mark (and its box)
    // only while checked.
    void Refresh(int id);

    // Triggers the command's action as if its menu item were chosen; false (and nothing runs)
    // when the command is disabled.
    bool Run(int id);
    // Runs the command once the current one has returned to the event loop, as a dialog hands
    // on to another after closing; dropped when the table is gone by then.
    void Post(int id);

private:
    const Command* Find(int id) const;
    void RunTriggered(int id);
    void Remove(int key);

    struct LayerCommands {
        int key;
        QList<Command> commands;
    };
    QList<LayerCommands> layers_; // oldest first
    QHash<int, QAction*> actions_;
    int nextKey_ = 1;
};
