#include "ui/planning/RouteMenu.h"

#include "resource.h"

#include <QMenu>

namespace {

// Command ids beyond the identifier base stay below this many items.
constexpr int kMaxIdents = 5000;

} // namespace

CRouteMenu::CRouteMenu(QStringList airports, QStringList navAids, QStringList waypoints)
    : airports_(std::move(airports)), navAids_(std::move(navAids)),
      waypoints_(std::move(waypoints)) {}

std::unique_ptr<QMenu> CRouteMenu::Create() const {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(QStringLiteral("Search"))->setData(ID_ROUTE_SEARCH);
    int next = 0;
    const auto addSubMenu = [&](const QString& title, const QStringList& idents) {
        QMenu* sub = menu->addMenu(title);
        sub->setEnabled(!idents.isEmpty());
        for (const QString& ident : idents) {
            if (next < kMaxIdents)
                sub->addAction(ident)->setData(ID_ROUTE_IDENT_BASE + next);
            ++next;
        }
    };
    addSubMenu(QStringLiteral("Airports"), airports_);
    addSubMenu(QStringLiteral("Nav"), navAids_);
    addSubMenu(QStringLiteral("User"), waypoints_);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Clear"))->setData(ID_ROUTE_CLEAR);
    return menu;
}

QString CRouteMenu::IdentOf(int commandId) const {
    int index = commandId - ID_ROUTE_IDENT_BASE;
    for (const QStringList* list : {&airports_, &navAids_, &waypoints_}) {
        if (index >= 0 && index < list->size())
            return list->at(index);
        index -= list->size();
    }
    return {};
}
