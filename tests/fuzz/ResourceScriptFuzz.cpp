// Resource header and script, given as one input: the header, a 0x1E byte, the script. A parse
// that fails names its own file and a line of the text; one that succeeds is repeatable, keeps
// every template under its own id with lines inside the text, and a header read twice into the
// same symbols is refused for its first definition.

#include "FuzzSupport.h"

#include "core/common/resources/ResourceLexer.h"
#include "core/common/resources/ResourceScript.h"
#include "core/common/resources/ResourceTypes.h"

#include <QRegularExpression>

namespace {

const QString kHeaderName = QStringLiteral("resource.h");
const QString kScriptName = QStringLiteral("trevallion.rc");

int LineCount(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
}

// A failure reads "FILE:LINE: message" with a line of the text and a message.
void CheckError(const Status& failed, const QString& file, const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([^:]+):(\\d+): (.+)$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = form.match(failed.error().text);
    FUZZ_CHECK(m.hasMatch() && m.captured(1) == file);
    const int line = m.captured(2).toInt();
    FUZZ_CHECK(line >= 1 && line <= LineCount(text));
}

void CheckTokens(const QString& script) {
    const Outcome<QVector<ResourceToken>> tokens = TokenizeResourceScript(script, kScriptName);
    if (!tokens) {
        CheckError(tokens.error(), kScriptName, script);
        return;
    }
    int line = 1;
    for (const ResourceToken& token : tokens.value()) {
        FUZZ_CHECK(token.line >= line && token.line <= LineCount(script));
        line = token.line;
    }
}

void CheckSet(const ResourceSet& set, const QString& script) {
    const int lines = LineCount(script);
    for (auto it = set.dialogs.cbegin(); it != set.dialogs.cend(); ++it) {
        FUZZ_CHECK(it.key() == it->id);
        FUZZ_CHECK(it->line >= 1 && it->line <= lines);
        for (const ControlTemplate& control : it->controls)
            FUZZ_CHECK(control.line >= it->line && control.line <= lines);
    }
    for (auto it = set.menus.cbegin(); it != set.menus.cend(); ++it) {
        FUZZ_CHECK(it.key() == it->id);
        FUZZ_CHECK(it->line >= 1 && it->line <= lines);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = SplitFuzzInput(FuzzBytes(data, size), '\x1e', 2);
    const QString header = QString::fromUtf8(parts[0]);
    const QString script = QString::fromUtf8(parts[1]);
    CheckTokens(script);

    ResourceSet set;
    set.symbols = PredefinedResourceSymbols();
    if (const Status symbols = ParseResourceHeader(header, kHeaderName, &set.symbols); !symbols) {
        CheckError(symbols, kHeaderName, header);
        return 0;
    }
    QMap<QString, int> twice = set.symbols;
    if (set.symbols.size() > PredefinedResourceSymbols().size()) {
        const Status again = ParseResourceHeader(header, kHeaderName, &twice);
        FUZZ_CHECK(!again && again.error().text.contains(QStringLiteral("defined twice")));
    }
    if (const Status parsed = ParseResourceScript(script, kScriptName, &set); !parsed) {
        CheckError(parsed, kScriptName, script);
        return 0;
    }
    CheckSet(set, script);
    ResourceSet repeat;
    repeat.symbols = set.symbols;
    FUZZ_CHECK(ParseResourceScript(script, kScriptName, &repeat).ok());
    FUZZ_CHECK(repeat.dialogs.keys() == set.dialogs.keys() && repeat.strings == set.strings &&
               repeat.menus.keys() == set.menus.keys() && repeat.rawData == set.rawData);
    return 0;
}
