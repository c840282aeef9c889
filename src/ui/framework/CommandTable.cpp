#include "ui/framework/CommandTable.h"

#include <QAction>

#include <utility>

CCommandTable::Layer::~Layer() {
    Reset();
}

CCommandTable::Layer::Layer(Layer&& other) noexcept
    : table_(std::move(other.table_)), key_(std::exchange(other.key_, 0)) {
    other.table_.clear();
}

CCommandTable::Layer& CCommandTable::Layer::operator=(Layer&& other) noexcept {
    if (this != &other) {
        Reset();
        table_ = std::move(other.table_);
        other.table_.clear();
        key_ = std::exchange(other.key_, 0);
    }
    return *this;
}

void CCommandTable::Layer::Reset() {
    if (table_)
        table_->Remove(key_);
    table_.clear();
    key_ = 0;
}

CCommandTable::CCommandTable(QObject* parent) : QObject(parent) {}

CCommandTable::Layer CCommandTable::Add(QList<Command> commands) {
    const int key = nextKey_++;
    layers_.append({key, std::move(commands)});
    return Layer(this, key);
}

void CCommandTable::Remove(int key) {
    layers_.removeIf([key](const LayerCommands& layer) { return layer.key == key; });
}

const Command* CCommandTable::Find(int id) const {
    for (auto layer = layers_.crbegin(); layer != layers_.crend(); ++layer)
        for (const Command& command : layer->commands)
            if (command.id == id)
                return &command;
    return nullptr;
}

CommandState CCommandTable::State(int id) const {
    const Command* command = Find(id);
    if (command == nullptr)
        return {false, false};
    return command->state ? command->state() : CommandState{};
}

QAction* CCommandTable::Action(int id) {
    if (QAction* action = actions_.value(id))
        return action;
    auto* action = new QAction(this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RunTriggered(id); });
    actions_.insert(id, action);
    return action;
}

void CCommandTable::Refresh(int id) {
    QAction* action = Action(id);
    const CommandState state = State(id);
    action->setEnabled(state.enabled);
    // An unchecked checkable item would show an empty box, which the menus never had.
    action->setCheckable(state.checked);
    action->setChecked(state.checked);
}

bool CCommandTable::Run(int id) {
    Refresh(id);
    QAction* action = Action(id);
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void CCommandTable::RunTriggered(int id) {
    // The state may have changed since the menu opened.
    const Command* command = Find(id);
    if (command == nullptr || (command->state && !command->state().enabled))
        return;
    // A copy: the handler may remove the layer it belongs to (a view switch).
    const std::function<void()> run = command->run;
    if (run)
        run();
}

void CCommandTable::Post(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { Run(id); }, Qt::QueuedConnection);
}
