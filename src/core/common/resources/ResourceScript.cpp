#include "core/common/resources/ResourceScript.h"

#include "core/common/resources/ResourceLexer.h"
#include "core/common/resources/ResourceStyles.h"

#include <QSet>

namespace {

const QSet<QString> kTextFirstControls = {
    "LTEXT",    "RTEXT",        "CTEXT",           "PUSHBUTTON", "DEFPUSHBUTTON",
    "GROUPBOX", "AUTOCHECKBOX", "AUTORADIOBUTTON", "CHECKBOX",   "RADIOBUTTON"};
const QSet<QString> kIdFirstControls = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"};

class Parser {
public:
    Parser(const QVector<ResourceToken>& tokens, const QString& file, ResourceSet* set)
        : t_(tokens), file_(file), set_(set) {}

    Status Run() {
        while (ok_ && Peek().kind != ResourceToken::End)
            Statement();
        return ok_ ? Status() : Status::Fail(error_.ToText());
    }

private:
    const ResourceToken& Peek(int ahead = 0) const {
        const int k = qMin(i_ + ahead, static_cast<int>(t_.size()) - 1);
        return t_[k];
    }
    const ResourceToken& Next() {
        const ResourceToken& token = Peek();
        if (i_ < t_.size() - 1)
            ++i_;
        return token;
    }
    bool Fail(const QString& message) { return FailAt(Peek().line, message); }
    bool FailAt(int line, const QString& message) {
        if (ok_)
            error_ = {file_, line, message};
        ok_ = false;
        return false;
    }
    bool IsName(const char* name, int ahead = 0) const {
        return Peek(ahead).kind == ResourceToken::Name && Peek(ahead).text == QLatin1String(name);
    }
    bool IsPunct(const char* p) const {
        return Peek().kind == ResourceToken::Punct && Peek().text == QLatin1String(p);
    }
    bool Accept(const char* p) {
        if (!IsPunct(p))
            return false;
        Next();
        return true;
    }
    bool Expect(const char* p) {
        return Accept(p) || Fail(QStringLiteral("expected '%1'").arg(QLatin1String(p)));
    }
    bool Begin() {
        if (IsName("BEGIN") || IsPunct("{")) {
            Next();
            return true;
        }
        return Fail(QStringLiteral("expected BEGIN"));
    }
    bool AtEndBlock() const { return IsName("END") || IsPunct("}"); }

    QString Text() {
        if (Peek().kind != ResourceToken::Text) {
            Fail(QStringLiteral("expected a quoted text"));
            return {};
        }
        return Next().text;
    }

    // A numeric expression: terms joined by | or +, a term being a number, a symbol, -term or
    // (expression).
    long long Value() {
        long long value = Term();
        while (ok_ && (IsPunct("|") || IsPunct("+"))) {
            const bool orOp = Next().text == "|";
            const long long rhs = Term();
            value = orOp ? (value | rhs) : (value + rhs);
        }
        return value;
    }
    long long Term() {
        if (Accept("-"))
            return -Term();
        if (Accept("(")) {
            const long long v = Value();
            Expect(")");
            return v;
        }
        const ResourceToken& token = Peek();
        if (token.kind == ResourceToken::Number)
            return Next().number;
        if (token.kind == ResourceToken::Name && set_->symbols.contains(token.text))
            return set_->symbols.value(Next().text);
        Fail(token.kind == ResourceToken::Name
                 ? QStringLiteral("unknown symbol '%1'").arg(token.text)
                 : QStringLiteral("expected a number or symbol"));
        return 0;
    }
    int Id() { return static_cast<int>(Value()); }

    // Style expression: NAME | NOT NAME | number, joined by |; a name must be a known style.
    void Styles(QStringList* set, QStringList* removed) {
        do {
            const bool negated = IsName("NOT");
            if (negated)
                Next();
            const ResourceToken& token = Next();
            if (token.kind == ResourceToken::Name && !IsKnownResourceStyle(token.text))
                FailAt(token.line, QStringLiteral("unknown style '%1'").arg(token.text));
            else if (token.kind == ResourceToken::Name)
                (negated ? removed : set)->append(token.text);
            else if (token.kind != ResourceToken::Number)
                Fail(QStringLiteral("expected a style"));
        } while (ok_ && Accept("|"));
    }

    void Statement();
    void Dialog(int id, const QString& symbol, int line);
    void Control(DialogTemplate* dialog);
    void Menu(int id, const QString& symbol, int line);
    void MenuItems(QVector<MenuItem>* items);
    void RawData(int id);
    void StringTable();
    ResourceRect Rect() {
        ResourceRect r;
        r.x = Id();
        Expect(",");
        r.y = Id();
        Expect(",");
        r.cx = Id();
        Expect(",");
        r.cy = Id();
        return r;
    }

    const QVector<ResourceToken>& t_;
    int i_ = 0;
    QString file_;
    ResourceSet* set_;
    bool ok_ = true;
    ResourceError error_;
};

void Parser::Statement() {
    if (IsName("STRINGTABLE")) {
        Next();
        StringTable();
        return;
    }
    if (IsName("LANGUAGE")) {
        Next();
        Value();
        Expect(",");
        Value();
        return;
    }
    const int line = Peek().line;
    const QString symbol = Peek().kind == ResourceToken::Name ? Peek().text : QString();
    const int id = Id();
    if (!ok_)
        return;
    if (IsName("DIALOGEX") || IsName("DIALOG")) {
        Next();
        Dialog(id, symbol, line);
    } else if (IsName("MENU")) {
        Next();
        Menu(id, symbol, line);
    } else if (IsName("RCDATA")) {
        Next();
        RawData(id);
    } else {
        Fail(QStringLiteral("expected DIALOGEX, MENU, RCDATA or STRINGTABLE"));
    }
}

void Parser::Dialog(int id, const QString& symbol, int line) {
    if (set_->dialogs.contains(id)) {
        Fail(QStringLiteral("dialog %1 is defined twice").arg(id));
        return;
    }
    DialogTemplate dialog;
    dialog.id = id;
    dialog.symbol = symbol;
    dialog.line = line;
    dialog.rect = Rect();
    while (ok_ && !(IsName("BEGIN") || IsPunct("{"))) {
        if (IsName("CAPTION")) {
            Next();
            dialog.caption = Text();
        } else if (IsName("FONT")) {
            Next();
            dialog.fontSize = Id();
            Expect(",");
            dialog.fontFace = Text();
            while (ok_ && Accept(","))
                Value();
        } else if (IsName("STYLE") || IsName("EXSTYLE")) {
            const bool main = Next().text == "STYLE";
            QStringList styles, removed;
            Styles(&styles, &removed);
            if (main)
                dialog.styles = styles;
        } else {
            Fail(QStringLiteral("expected CAPTION, FONT, STYLE or BEGIN"));
        }
    }
    Begin();
    while (ok_ && !AtEndBlock())
        Control(&dialog);
    Next();
    if (ok_)
        set_->dialogs.insert(id, dialog);
}

void Parser::Control(DialogTemplate* dialog) {
    ControlTemplate c;
    c.line = Peek().line;
    const int line = c.line;
    if (Peek().kind != ResourceToken::Name) {
        Fail(QStringLiteral("expected a control statement"));
        return;
    }
    c.keyword = Next().text;
    if (kTextFirstControls.contains(c.keyword) || c.keyword == "CONTROL") {
        c.text = Text();
        Expect(",");
        c.id = Id();
        Expect(",");
        if (c.keyword == "CONTROL") {
            c.className = Text();
            Expect(",");
            Styles(&c.styles, &c.notStyles);
            Expect(",");
        }
    } else if (kIdFirstControls.contains(c.keyword)) {
        c.id = Id();
        Expect(",");
    } else {
        Fail(QStringLiteral("unknown control '%1'").arg(c.keyword));
        return;
    }
    c.rect = Rect();
    if (ok_ && Accept(","))
        Styles(&c.styles, &c.notStyles);
    if (ok_ && Accept(",")) {
        QStringList ignored, ignoredRemoved;
        Styles(&ignored, &ignoredRemoved);
    }
    if (ok_ && c.id != -1 && dialog->IndexOf(c.id) >= 0) {
        FailAt(
            line,
            QStringLiteral("control id %1 appears twice in dialog %2").arg(c.id).arg(dialog->id));
        return;
    }
    dialog->controls.append(c);
}

void Parser::Menu(int id, const QString& symbol, int line) {
    if (set_->menus.contains(id)) {
        Fail(QStringLiteral("menu %1 is defined twice").arg(id));
        return;
    }
    MenuTemplate menu;
    menu.id = id;
    menu.symbol = symbol;
    menu.line = line;
    MenuItems(&menu.items);
    if (ok_)
        set_->menus.insert(id, menu);
}

void Parser::MenuItems(QVector<MenuItem>* items) {
    Begin();
    while (ok_ && !AtEndBlock()) {
        MenuItem item;
        const int line = Peek().line;
        if (IsName("POPUP")) {
            Next();
            item.text = Text();
            while (ok_ && Accept(","))
                item.flags.append(Next().text);
            MenuItems(&item.children);
            if (ok_ && item.children.isEmpty())
                FailAt(line, QStringLiteral("empty POPUP '%1'").arg(item.text));
        } else if (IsName("MENUITEM")) {
            Next();
            if (IsName("SEPARATOR")) {
                Next();
                item.separator = true;
            } else {
                item.text = Text();
                Expect(",");
                item.id = Id();
                while (ok_ && Accept(","))
                    item.flags.append(Next().text);
            }
        } else {
            Fail(QStringLiteral("expected POPUP, MENUITEM or END"));
        }
        items->append(item);
    }
    Next();
}

// Numeric expressions separated by commas, each one 16-bit word.
void Parser::RawData(int id) {
    if (set_->rawData.contains(id)) {
        Fail(QStringLiteral("RCDATA %1 is defined twice").arg(id));
        return;
    }
    QVector<int> words;
    Begin();
    while (ok_ && !AtEndBlock()) {
        const int line = Peek().line;
        const long long value = Value();
        if (ok_ && (value < -32768 || value > 65535)) {
            FailAt(line, QStringLiteral("RCDATA value %1 does not fit 16 bits").arg(value));
            return;
        }
        words.append(static_cast<int>(value));
        if (!AtEndBlock())
            Expect(",");
    }
    Next();
    if (ok_)
        set_->rawData.insert(id, words);
}

void Parser::StringTable() {
    Begin();
    while (ok_ && !AtEndBlock()) {
        const int line = Peek().line;
        const int id = Id();
        Accept(",");
        const QString text = Text();
        if (ok_ && set_->strings.contains(id)) {
            FailAt(line, QStringLiteral("string %1 is defined twice").arg(id));
            return;
        }
        set_->strings.insert(id, text);
    }
    Next();
}

} // namespace

Status ParseResourceScript(const QString& text, const QString& fileName, ResourceSet* set) {
    const Outcome<QVector<ResourceToken>> tokens = TokenizeResourceScript(text, fileName);
    if (!tokens)
        return tokens.error();
    return Parser(tokens.value(), fileName, set).Run();
}
