#include "core/checklists/ChecklistLevelTexts.h"

#include "core/checklists/ChecklistRecord.h"
#include "core/common/text/Format.h"

#include <iterator>

namespace {

constexpr ChecklistLevelButtons kButtons[] = {
    {"Add Aircraft", "Add Tab", "Delete Aircraft"}, {"Add Tab", "Add Group", "Delete Tab"},
    {"Add Group", "Add Subgroup", "Delete Group"},  {"Add SubGroup", "Add Item", "Delete SubGroup"},
    {"Add Item", nullptr, "Delete Item"},
};

constexpr const char* kDeleteSuffixes[] = {" aircraft?", " tab?", " group?", " sub group?",
                                           " item?"};

static_assert(std::size(kButtons) == kItemLevel + 1);
static_assert(std::size(kDeleteSuffixes) == kItemLevel + 1);

int KnownLevel(int level) {
    return level >= kAircraftLevel && level <= kItemLevel ? level : kItemLevel;
}

} // namespace

ChecklistLevelButtons ButtonsForLevel(int level) {
    return kButtons[KnownLevel(level)];
}

QString DeleteQuestion(int level, const QString& text) {
    return QStringLiteral("Delete the ") + text +
           QString::fromLatin1(kDeleteSuffixes[KnownLevel(level)]);
}

Status CheckChecklistLabel(const QString& text) {
    if (text.isEmpty())
        return Status::Fail(QStringLiteral("Error:\nA checklist entry needs a text."));
    const qsizetype bytes = text.toUtf8().size();
    const int limit = kChecklistMaxRecordTextBytes - 1;
    if (bytes > limit)
        return Status::Fail(FormatText("Error:\nThis text is too long for the checklist file: "
                                       "%lld bytes of UTF-8, at most %d fit.",
                                       static_cast<long long>(bytes), limit));
    return {};
}
