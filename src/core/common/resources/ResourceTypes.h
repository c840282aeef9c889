#pragma once
// What the resource script holds: dialog templates (in dialog units), menus and the string table.

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

struct ResourceRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    bool operator==(const ResourceRect&) const = default;
};

// One control of a dialog template.
struct ControlTemplate {
    QString keyword;       // LTEXT, EDITTEXT, COMBOBOX, PUSHBUTTON, CONTROL, ...
    QString text;          // caption ("" for fields)
    int id = -1;           // -1 is IDC_STATIC (65535 as an unsigned 16-bit id)
    QString className;     // the window class of a CONTROL statement ("" otherwise)
    QStringList styles;    // style symbols that are set, e.g. CBS_DROPDOWN, WS_TABSTOP
    QStringList notStyles; // style symbols removed with NOT, e.g. WS_VISIBLE
    ResourceRect rect;
    int line = 0;

    bool operator==(const ControlTemplate&) const = default;
    // Whether the style is set, or removed with NOT. Asking for a style the parser does not know
    // (a mistyped name, which no template can hold) stops a debug build.
    bool HasStyle(const QString& style) const;
    bool LacksStyle(const QString& style) const;
};

struct DialogTemplate {
    int id = 0;
    QString symbol;
    ResourceRect rect;
    QString caption;
    int fontSize = 8;
    QString fontFace = QStringLiteral("Tahoma");
    QStringList styles;
    QVector<ControlTemplate> controls;
    int line = 0;

    bool operator==(const DialogTemplate&) const = default;
    const ControlTemplate* Control(int controlId) const;
    int IndexOf(int controlId) const; // -1 when absent
};

struct MenuItem {
    QString text;
    int id = 0;
    bool separator = false;
    QStringList flags;                            // GRAYED, CHECKED, INACTIVE ...
    QVector<MenuItem> children;                   // a POPUP has children
    bool operator==(const MenuItem& other) const; // written out: the type holds itself

    bool IsPopup() const { return !separator && id == 0 && !children.isEmpty(); }
};

struct MenuTemplate {
    int id = 0;
    QString symbol;
    QVector<MenuItem> items;
    int line = 0;
    bool operator==(const MenuTemplate&) const = default;
};

struct ResourceSet {
    QMap<QString, int> symbols; // from resource.h and the predefined ones (IDOK, IDC_STATIC ...)
    QMap<int, DialogTemplate> dialogs;
    QMap<int, MenuTemplate> menus;
    QMap<int, QString> strings;
    // RCDATA resources: raw 16-bit words as written (menu-bar button lists); a negative value
    // stands for its 16-bit two's complement (-2 is 0xFFFE).
    QMap<int, QVector<int>> rawData;
    bool operator==(const ResourceSet&) const = default;
};

// Where a script or header went wrong; its text is the parsers' failure message.
struct ResourceError {
    QString file;
    int line = 0;
    QString message;
    QString ToText() const { return file + ':' + QString::number(line) + ": " + message; }
};
