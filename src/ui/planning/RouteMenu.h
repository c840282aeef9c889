#pragma once
// The route field's pop-up menu: "Search", the sub-menus "Airports" (recent airports), "Nav"
// (recent nav aids) and "User" (every user waypoint), a separator and "Clear". Identifiers carry
// ID_ROUTE_IDENT_BASE + their place in Idents().

#include <QStringList>

#include <memory>

class QMenu;

class CRouteMenu {
public:
    CRouteMenu(QStringList airports, QStringList navAids, QStringList waypoints);

    std::unique_ptr<QMenu> Create() const;
    // The identifier of a menu command; "" for Search, Clear and unknown commands.
    QString IdentOf(int commandId) const;

private:
    QStringList airports_;
    QStringList navAids_;
    QStringList waypoints_;
};
